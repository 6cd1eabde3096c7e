// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/bool16.h"

#include <QList>
#include <QString>

namespace tavelin {
class Form1;
}

namespace tavelin::test {

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
