// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardaccessible.h"
#include "window/form1.h"
#include "window/narrator.h"

namespace tavelin {

// A piece put on the board in play, by a drop or by a computer rule: the cell holds it at once,
// the screen lets it fall there and then marks it as the latest, the column closes when the
// piece fills it, and a screen reader hears of it all, down to the four it makes or the draw
// when it fills the board.
void Form1::PlacePiece(int cell, CellContent colour) {
    setCell(cell, colour);
    tellColumnChanged(Image1(board::markerAbove(cell)));
    ShowFall(cell, colour);
    markLastPiece(cell);
    narrator_->note(pieceSentence(cell, colour));
    if (board::isTopRow(cell)) {
        hideMarker(board::markerAbove(cell));
        narrator_->note(columnFullSentence(board::column(cell)));
    }
    const QList<LineWindow> lines = WinningLines();
    for (const LineWindow& line : lines) {
        narrator_->note(fourInARowSentence(line.cells.front(), line.cells.back()));
    }
    if (lines.isEmpty() && !AnyColumnOpen()) {
        narrator_->note(drawSentence());
    }
}

} // namespace tavelin
