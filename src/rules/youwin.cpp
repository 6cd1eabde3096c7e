// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include <algorithm>

namespace tavelin {

// The lines of four of the first colour that has one, Red before Blue: all of them, since one
// piece can complete two lines at once.
QList<LineWindow> Form1::WinningLines() const {
    for (const CellContent colour : {CellContent::Red, CellContent::Blue}) {
        QList<LineWindow> lines;
        for (const std::span<const LineWindow> direction : windows::allDirections) {
            std::ranges::copy_if(direction, std::back_inserter(lines), [&](LineWindow line) {
                return std::ranges::all_of(line.cells,
                                           [&](int cell) { return cellHolds(cell, colour); });
            });
        }
        if (!lines.isEmpty()) {
            return lines;
        }
    }
    return {};
}

// True when four pieces of one colour stand in a line; the game is then over on the board: no
// more input, every column closed, and each line drawn through.
Bool16 Form1::YouWin() {
    const QList<LineWindow> lines = WinningLines();
    if (lines.isEmpty()) {
        return False;
    }
    GameActive = False;
    for (const int marker : board::markers) {
        hideMarker(marker);
    }
    for (const LineWindow& line : lines) {
        markWinningLine(line.cells.front(), line.cells.back());
    }
    return True;
}

} // namespace tavelin
