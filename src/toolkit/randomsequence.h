#pragma once

namespace tavelin {

// The program-wide sequence of random values: single-precision x with 0 <= x < 1.
class RandomSequence {
public:
    virtual ~RandomSequence() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

} // namespace tavelin
