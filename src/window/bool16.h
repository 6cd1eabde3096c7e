// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tavelin {

// The game's state flags are 16-bit booleans: True has all bits set. Every test compares
// with exactly True, so a stray value such as 1 counts as not true.
using Bool16 = std::int16_t;
inline constexpr Bool16 True = -1;
inline constexpr Bool16 False = 0;

constexpr Bool16 toBool16(bool value) {
    return value ? True : False;
}

} // namespace tavelin
