// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tavelin::project {

// Who makes the game and where to reach them: the About box shows these and its links open
// them, so they live here and nowhere else.
inline constexpr char author[] = QT_TRANSLATE_NOOP("tavelin::Form2", "The Tavelin developers");
inline constexpr char webAddress[] = "tavelin.example.org"; // shown without its scheme
inline constexpr char webScheme[] = "https://";
inline constexpr char email[] = "tavelin@example.org";

} // namespace tavelin::project
