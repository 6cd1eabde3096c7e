// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/randomsequence.h"
#include "window/bool16.h"

#include <QList>
#include <QString>

#include <random>

namespace tavelin {
class Form1;
}

namespace tavelin::test {

// The same pseudo-random values on every run.
class SeededRandom final : public RandomSequence {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void seedFromClock() override {}
    float next() override { return std::uniform_int_distribution<int>(0, 99)(engine_) / 100.0F; }

private:
    std::mt19937 engine_;
};

// A one-player position where the computer is about to reply: Red has just moved.
struct Position {
    QString cells; // as boardText() writes them
    Bool16 firstComputerMove;
};

// Positions met in one-player games where Red plays random open columns and the computer
// replies; the same ones for the same seed.
QList<Position> reachablePositions(int count, unsigned seed);

// Sets the board and the flags as they stand when the computer is called on to reply.
void loadPosition(Form1& form, const Position& position);

} // namespace tavelin::test
