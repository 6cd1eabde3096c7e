#include "window/form1.h"

namespace tavelin {

// Drops the piece of the side RedTurn names into the column under the marker, passing a full
// column on to the next one to the right (wrapping from the last to the first).
bool Form1::AnyColumnOpen() const {
    for (int marker = board::firstMarker; marker <= board::lastMarker; ++marker) {
        if (markerVisible(marker)) {
            return true;
        }
    }
    return false;
}

void Form1::DropPiece(int markerIndex) {
    // A received move arrives while GameActive is False; the open columns let it through.
    // With every column closed there is nowhere to go, whatever GameActive says.
    if (!AnyColumnOpen() || !board::isMarker(markerIndex)) {
        return;
    }
    int marker = markerIndex;
    while (!markerVisible(marker)) {
        marker = marker == board::lastMarker ? board::firstMarker : marker + 1;
    }
    for (int cell = marker - board::firstMarker; cell < board::cellCount; cell += board::columns) {
        if (cellHolds(cell, CellContent::Empty)) {
            setCell(cell, RedTurn == True ? CellContent::Red : CellContent::Blue);
            if (board::isTopRow(cell)) {
                hideMarker(marker);
            }
            return;
        }
    }
}

} // namespace tavelin
