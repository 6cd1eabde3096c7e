// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tavelin::test {

// A loopback port that nothing listens on right now.
quint16 freePort();

} // namespace tavelin::test
