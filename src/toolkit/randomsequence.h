// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tavelin {

// The program-wide sequence of random values: single-precision x with 0 <= x < 1.
class RandomSequence {
public:
    RandomSequence() = default;
    virtual ~RandomSequence() = default;
    Q_DISABLE_COPY_MOVE(RandomSequence)

    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

} // namespace tavelin
