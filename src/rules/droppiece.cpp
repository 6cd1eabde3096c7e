// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include <algorithm>

namespace tavelin {

bool Form1::AnyColumnOpen() const {
    return std::ranges::any_of(board::markers,
                               [this](int marker) { return markerVisible(marker); });
}

// Drops the piece of the side RedTurn names into the column under the marker, passing a full
// column on to the next one to the right (wrapping from the last to the first).
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
            PlacePiece(cell, RedTurn == True ? CellContent::Red : CellContent::Blue);
            return;
        }
    }
}

} // namespace tavelin
