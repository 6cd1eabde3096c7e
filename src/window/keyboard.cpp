// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/celltable.h"
#include "window/form1.h"
#include "window/markerrow.h"

#include <QKeyEvent>

namespace tavelin {

namespace {
bool playsAColumn(int key) {
    return (key >= Qt::Key_1 && key <= Qt::Key_7) || key == Qt::Key_Return ||
           key == Qt::Key_Enter || key == Qt::Key_Space;
}
} // namespace

// A key held down repeats; a move is made once per press.
void Form1::keyPressEvent(QKeyEvent* event) {
    if (heldKeys_.repeats(*event) && playsAColumn(event->key())) {
        return;
    }
    if (Form_KeyDown(event->key())) {
        ShowKeyboardColumn(); // the keyboard is in use: the arrow shows its column again
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

// The keyboard has one column, which a screen reader announces as it moves, the arrow shows
// whenever the game takes input, and Enter or Space plays. Keys 1 to 7 make that column the
// keyboard's and play it; Left and Right move it over the open columns. Down and Up move into
// the board and through it, row by row, and back up to the columns: a screen reader reads each
// row on the way; Left and Right then move along the row, and the keyboard's column with them.
// Each move is played exactly as a click on the marker.
bool Form1::Form_KeyDown(int KeyCode) {
    if (KeyCode >= Qt::Key_1 && KeyCode <= Qt::Key_7) {
        const int marker = board::markerOfColumn(KeyCode - Qt::Key_1);
        if (markerVisible(marker)) {
            FocusMarker(marker);
            PlayColumnByKey(marker);
        }
        return true;
    }
    switch (KeyCode) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        MoveAlongRow(KeyCode == Qt::Key_Left ? -1 : +1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        MoveThroughColumn(KeyCode == Qt::Key_Up ? +1 : -1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PlayColumnByKey(KeyboardColumn());
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

// The marker of the keyboard's column, in the board or above it.
int Form1::KeyboardColumn() const {
    if (const PictureBox* cell = cellTable_->current()) {
        return board::markerAbove(cell->index());
    }
    if (const PictureBox* marker = markerRow_->current()) {
        return marker->index();
    }
    return noMarker;
}

// Once the game takes input again (the peer has moved, a new game), the arrow catches up with
// the keyboard.
void Form1::ShowKeyboardColumn() {
    if (KeyboardColumn() != noMarker) {
        ShowHover(KeyboardColumn());
    }
}

void Form1::MoveAlongRow(int step) {
    if (const PictureBox* cell = cellTable_->current()) {
        const int next = cell->index() + step;
        if (board::isCell(next) && board::row(next) == board::row(cell->index())) {
            FocusCell(next);
        }
        return;
    }
    MoveToOpenColumn(step);
}

// Down from the columns goes to the top row; up from the top row goes back to its column.
void Form1::MoveThroughColumn(int rows) {
    const PictureBox* cell = cellTable_->current();
    if (cell == nullptr) {
        if (rows < 0) {
            const PictureBox* marker = markerRow_->current();
            FocusCell(board::topRowStart + board::column(marker != nullptr ? marker->index() : 0));
        }
        return;
    }
    const int next = cell->index() + rows * board::columns;
    if (board::isCell(next)) {
        FocusCell(next);
    } else if (rows > 0 && markerVisible(board::markerAbove(cell->index()))) {
        FocusMarker(board::markerAbove(cell->index()));
    }
}

// To the next open column in that direction; from none, to the first open column from that
// side. At the edge the column stays.
void Form1::MoveToOpenColumn(int step) {
    const int current = KeyboardColumn();
    int marker =
        current == noMarker ? (step > 0 ? board::firstMarker : board::lastMarker) : current + step;
    while (board::isMarker(marker) && !markerVisible(marker)) {
        marker += step;
    }
    if (board::isMarker(marker)) {
        FocusMarker(marker);
    }
}

// The column's marker becomes the keyboard's; a screen reader tells it with what the column
// holds, its description.
void Form1::FocusMarker(int marker) {
    cellTable_->setCurrent(nullptr);
    markerRow_->setCurrent(&Image1(marker));
    ShowKeyboardColumn();
}

// Readable after the game too; the arrow follows only while the game takes input.
void Form1::FocusCell(int cell) {
    markerRow_->setCurrent(nullptr);
    cellTable_->setCurrent(&Image1(cell));
    ShowKeyboardColumn();
}

} // namespace tavelin
