// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tavelin::test {

// A port that nothing listens on right now, from a range of this process's own, so that test
// programs run in parallel never hand out the same one.
quint16 freePort();

} // namespace tavelin::test
