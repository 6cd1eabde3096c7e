// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/form1.h"
#include "window/piecefalls.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QTest>

namespace tavelin::test {

// The colour a frame of the whole window shows at `place` of `element`, in its own coordinates.
inline QColor colourAt(const QImage& frame, const QWidget& element, QPointF place) {
    const QPointF inWindow = element.mapTo(element.window(), place);
    return frame.pixelColor((inWindow * frame.devicePixelRatio()).toPoint());
}

// The piece a colour is part of, in board notation: 'R' red, 'B' blue, '.' the white of an empty
// cell, '?' anything else.
inline QChar pieceOf(const QColor& colour) {
    return colour.lightness() > 240                    ? '.'
           : colour.red() > 200 && colour.blue() < 100 ? 'R'
           : colour.blue() > 150 && colour.red() < 100 ? 'B'
                                                       : '?';
}

// The board as a person sees it, read from the pixels of the whole window, in three words: each
// cell's piece in board notation ('?' where it is none); what is drawn over each cell's centre
// ('W' the gold of a line of four, 'L' the dot on the piece placed last, '.' nothing); and over
// each column 'N' where the arrow shows, else 'u' (a hidden marker looks as white as a plain
// one). Read once no piece is falling any more: only then is what is painted the board the game
// holds.
inline QString paintedBoard(const Form1& form) {
    const auto* falls = form.findChild<PieceFalls*>();
    if (!QTest::qWaitFor([falls] { return !falls->falling(); })) {
        return QStringLiteral("still falling");
    }
    const QImage drawn = form.Image1(0).window()->grab().toImage();
    const auto at = [&](int element, QPointF fromCentre) {
        const PictureBox& box = form.Image1(element);
        return colourAt(drawn, box, QRectF(box.rect()).center() + fromCentre);
    };
    QString cells, marks, arrows;
    for (int cell = 0; cell < board::cellCount; ++cell) {
        cells += pieceOf(at(cell, {12.9, 5.4})); // between the blue disc's ring and its rim,
                                                 // and off every line through the centre
        const QColor mark = at(cell, {});
        marks += mark == QColor(255, 200, 0) ? 'W' : mark.lightness() < 40 ? 'L' : '.';
    }
    for (const int marker : board::markers) {
        arrows += at(marker, {0, 8}) == QColor(255, 255, 0) ? 'N' : 'u';
    }
    return cells + ' ' + marks + ' ' + arrows;
}

// The arrows as the game holds them: over the one open column it highlights.
inline QString heldArrows(const Form1& form) {
    QString arrows;
    for (const int marker : board::markers) {
        arrows += form.markerVisible(marker) && form.markerHighlighted(marker) ? 'N' : 'u';
    }
    return arrows;
}

} // namespace tavelin::test
