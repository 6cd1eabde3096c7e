// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardaccessible.h"
#include "window/form1.h"
#include "window/narrator.h"

namespace tavelin {

// A piece put on the board in play, by a drop or by a computer rule: the cell shows it, the
// column closes when the piece fills it, and a screen reader hears of both.
void Form1::PlacePiece(int cell, CellContent colour) {
    setCell(cell, colour);
    narrator_->note(pieceSentence(cell, colour));
    if (board::isTopRow(cell)) {
        hideMarker(board::markerAbove(cell));
        narrator_->note(columnFullSentence(board::column(cell)));
    }
}

} // namespace tavelin
