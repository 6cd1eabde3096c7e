// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/randomsequence.h"

#include <random>

namespace tavelin {

class ClockRandom final : public RandomSequence {
public:
    ClockRandom();
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

} // namespace tavelin
