// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/clockrandom.h"

#include <chrono>

namespace tavelin {

ClockRandom::ClockRandom() {
    seedFromClock();
}

void ClockRandom::seedFromClock() {
    engine_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
}

// 24 random bits scaled by 2^-24 fill a float's mantissa exactly, so the result is never
// rounded up to 1.0 (as std::generate_canonical<float> can be).
float ClockRandom::next() {
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(engine_() >> 8U) * scale;
}

} // namespace tavelin
