// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

namespace tavelin {

// The marker under the pointer becomes the keyboard's column as well, so that the arrow, Enter
// and a screen reader never part ways.
void Form1::Image1_MouseMove(int Index) {
    if (board::isMarker(Index)) {
        if (GameActive == True) {
            FocusMarker(Index);
        }
    } else if (board::isCell(Index)) {
        ShowHover(noMarker); // a cell does not highlight its own column
    }
}

void Form1::Form_MouseMove() {
    ShowHover(noMarker);
}

// The marker under the pointer is highlighted, every other one plain. Hidden markers get
// their picture too, and show it when a new game brings them back.
void Form1::ShowHover(int highlighted) {
    if (GameActive != True) {
        return;
    }
    for (const int marker : board::markers) {
        if (marker == highlighted) {
            highlightMarker(marker);
        } else {
            makeMarkerPlain(marker);
        }
    }
}

} // namespace tavelin
