// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/linewindows.h"
#include "window/form1.h"

#include <algorithm>

namespace tavelin {

namespace {
bool anyLineOf(const Form1& form, CellContent colour, std::span<const LineWindow> lines) {
    return std::any_of(lines.begin(), lines.end(), [&](LineWindow line) {
        return std::all_of(line.cells.begin(), line.cells.end(),
                           [&](int cell) { return form.cellHolds(cell, colour); });
    });
}
} // namespace

// True when four pieces of one colour stand in a line; the game is then over on the board:
// no more input, and every column closed.
Bool16 Form1::YouWin() {
    for (const CellContent colour : {CellContent::Red, CellContent::Blue}) {
        for (const std::span<const LineWindow> lines : windows::allDirections) {
            if (anyLineOf(*this, colour, lines)) {
                GameActive = False;
                for (const int marker : board::markers) {
                    hideMarker(marker);
                }
                return True;
            }
        }
    }
    return False;
}

} // namespace tavelin
