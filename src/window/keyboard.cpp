// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"
#include "window/markerrow.h"

#include <QKeyEvent>

namespace tavelin {

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyDown(event->key())) {
        QMainWindow::keyPressEvent(event);
    }
}

// Keys 1 to 7 play that column; Left and Right move the highlight over the open columns;
// Enter or Space plays the highlighted one. Each plays exactly as a click on the marker.
bool Form1::Form_KeyDown(int KeyCode) {
    if (KeyCode >= Qt::Key_1 && KeyCode <= Qt::Key_7) {
        PlayColumnByKey(board::markerOfColumn(KeyCode - Qt::Key_1));
        return true;
    }
    switch (KeyCode) {
    case Qt::Key_Left:
        MoveHighlight(-1);
        return true;
    case Qt::Key_Right:
        MoveHighlight(+1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PlayColumnByKey(HighlightedMarker());
        return true;
    default:
        return false;
    }
}

void Form1::PlayColumnByKey(int marker) {
    if (board::isMarker(marker) && markerVisible(marker)) {
        Image1_Click(marker);
    }
}

int Form1::HighlightedMarker() const {
    for (const int marker : board::markers) {
        if (markerHighlighted(marker)) {
            return marker;
        }
    }
    return noMarker;
}

// To the next open column in that direction; from no highlight, to the first open column
// from that side. At the edge the highlight stays.
void Form1::MoveHighlight(int step) {
    const int current = HighlightedMarker();
    int marker =
        current == noMarker ? (step > 0 ? board::firstMarker : board::lastMarker) : current + step;
    while (board::isMarker(marker) && !markerVisible(marker)) {
        marker += step;
    }
    if (board::isMarker(marker)) {
        ShowHover(marker);
        if (markerHighlighted(marker)) {
            markerRow_->setCurrent(&Image1(marker));
        }
    }
}

} // namespace tavelin
