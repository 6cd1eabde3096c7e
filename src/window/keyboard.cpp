// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardaccessible.h"
#include "window/celltable.h"
#include "window/form1.h"
#include "window/markerrow.h"

#include <QKeyEvent>

namespace tavelin {

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyDown(event->key())) {
        QMainWindow::keyPressEvent(event);
    }
}

// Keys 1 to 7 play that column; Left and Right move the keyboard's column over the open
// columns, Enter or Space plays it. Each plays exactly as a click on the marker. Down and Up
// move into the board and through it, row by row, and back up to the columns: a screen reader
// reads each row on the way; Left and Right then move along the row.
bool Form1::Form_KeyDown(int KeyCode) {
    if (KeyCode >= Qt::Key_1 && KeyCode <= Qt::Key_7) {
        PlayColumnByKey(board::markerOfColumn(KeyCode - Qt::Key_1));
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

void Form1::MoveAlongRow(int step) {
    if (const PictureBox* cell = cellTable_->current()) {
        const int next = cell->index() + step;
        if (board::isCell(next) && board::row(next) == board::row(cell->index())) {
            FocusCell(next);
        }
        return;
    }
    MoveHighlight(step);
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
            FocusMarker(marker);
        }
    }
}

// The column's marker becomes the keyboard's; a screen reader tells it with what the column
// holds, its description.
void Form1::FocusMarker(int marker) {
    int pieces = 0;
    for (int cell = board::column(marker); cell < board::cellCount; cell += board::columns) {
        pieces += cellHolds(cell, CellContent::Empty) ? 0 : 1;
    }
    Image1(marker).setAccessibleDescription(columnContents(pieces));
    cellTable_->setCurrent(nullptr);
    ShowHover(marker);
    markerRow_->setCurrent(&Image1(marker));
}

// Readable after the game too; the arrow follows only while the game takes input.
void Form1::FocusCell(int cell) {
    markerRow_->setCurrent(nullptr);
    ShowHover(board::markerAbove(cell));
    cellTable_->setCurrent(&Image1(cell));
}

} // namespace tavelin
