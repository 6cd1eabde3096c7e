// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardmarks.h"

#include <QPainter>

namespace tavelin {

namespace {
// Gold edged in black, and black ringed in white: both stand out on red, on blue, on the
// board's yellow and in greyscale alike.
constexpr QColor lineEdge{0, 0, 0};
constexpr QColor lineCore{255, 200, 0};
constexpr qreal lineWidth = 9;
constexpr qreal coreWidth = 5;
constexpr QColor dotColour{0, 0, 0};
constexpr QColor dotRim{255, 255, 255};
constexpr qreal dotRadius = 5;
constexpr qreal rimWidth = 2;
} // namespace

BoardMarks::BoardMarks(QWidget* board) : QWidget(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(board->rect());
    raise();
}

void BoardMarks::markLastPiece(QPoint centre) {
    lastPiece_ = centre;
    update();
}

void BoardMarks::markWinningLine(QLine centres) {
    if (!winningLines_.contains(centres)) {
        winningLines_.append(centres);
        update();
    }
}

void BoardMarks::clear() {
    lastPiece_.reset();
    winningLines_.clear();
    update();
}

// The line goes over the dot: the last piece of a won game is in its line.
void BoardMarks::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5); // from a cell's centre pixel to the centre of its disc
    if (lastPiece_) {
        painter.setPen(QPen(dotRim, rimWidth));
        painter.setBrush(dotColour);
        painter.drawEllipse(QPointF(*lastPiece_), dotRadius, dotRadius);
    }
    for (const auto& [colour, width] : {std::pair{lineEdge, lineWidth}, {lineCore, coreWidth}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLines(winningLines_);
    }
}

} // namespace tavelin
