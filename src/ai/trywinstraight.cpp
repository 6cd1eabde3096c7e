// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/rules.h"
#include "toolkit/randomsequence.h"
#include "window/form1.h"

#include <cmath>

namespace tavelin {

// The computer's move: its opening move, else the first of the four stages that finds one.
// The turn always goes back to Red, also when the guard refuses to move.
void Form1::TryWinStraight() {
    if (FirstComputerMove == True) {
        PlayOpeningMove();
        FirstComputerMove = False;
    } else if (RedTurn == False && ComputerTurn == True && GameActive == True) {
        if (!PlayFirstRule(rules::straight, CellContent::Blue)) {
            TryWinDiagonal();
        }
    }
    RedTurn = True;
}

// The middle of the bottom row, or beside Red's piece there: cell 4 for 51 of 100 draws.
void Form1::PlayOpeningMove() {
    constexpr int middle = 3;
    if (cellHolds(middle, CellContent::Empty)) {
        PlacePiece(middle, CellContent::Blue);
        return;
    }
    platform_.random.seedFromClock();
    const auto draw = static_cast<int>(std::floor(double{platform_.random.next()} * 100.0));
    PlacePiece(draw > 50 ? middle - 1 : middle + 1, CellContent::Blue);
}

} // namespace tavelin
