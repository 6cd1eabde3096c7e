// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/piecefalls.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavelin {

namespace {
constexpr double fullFallMs = 250;

// A piece as it falls: its disc alone, without the board around it. The disc is where the empty
// cell shows anything but the board's colour (that of its corner), its edge as soft as there.
QPixmap cutDisc(const QPixmap& piece, const QPixmap& empty) {
    QImage disc = piece.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage hole = empty.toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor board = hole.pixelColor(0, 0);
    for (int y = 0; y < disc.height(); ++y) {
        for (int x = 0; x < disc.width(); ++x) {
            const QColor there = hole.pixelColor(x, y);
            const int unlike = std::max({std::abs(there.red() - board.red()),
                                         std::abs(there.green() - board.green()),
                                         std::abs(there.blue() - board.blue())});
            QColor colour = disc.pixelColor(x, y);
            colour.setAlpha(std::min(255, 4 * unlike));
            disc.setPixelColor(x, y, colour);
        }
    }
    return QPixmap::fromImage(disc);
}
} // namespace

PieceFalls::PieceFalls(int dropTop, int fullHeight, const Picture& empty, QWidget* surface)
    : QWidget(surface), dropTop_(dropTop), fullHeight_(fullHeight), empty_(empty),
      drop_(new QVariantAnimation(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(surface->rect());
    drop_->setStartValue(0.0);
    drop_->setEndValue(1.0);
    drop_->setEasingCurve(QEasingCurve::InQuad); // the way fallen grows with the square of time
    connect(drop_, &QVariantAnimation::valueChanged, this,
            [this] { update(columnAbove(falls_.front().cell)); });
    connect(drop_, &QVariantAnimation::finished, this, [this] {
        landFront();
        if (falls_.empty()) {
            emit landed();
        } else {
            startFront();
        }
    });
}

void PieceFalls::fall(QRect cell, const Picture& piece) {
    falls_.push_back({cell, discOf(piece), {}});
    update(cell); // drawn empty until the piece lands
    if (falls_.size() == 1) {
        startFront();
    }
}

void PieceFalls::afterLanding(const std::function<void()>& show) {
    if (falls_.empty()) {
        show();
    } else {
        falls_.back().shownOnLanding.push_back(show);
    }
}

void PieceFalls::finish() {
    if (falls_.empty()) {
        return;
    }
    drop_->stop();
    while (!falls_.empty()) {
        landFront();
    }
    emit landed();
}

void PieceFalls::clear() {
    drop_->stop();
    falls_.clear();
    update();
}

const QPixmap& PieceFalls::discOf(const Picture& piece) {
    auto disc = discs_.find(piece.handle());
    if (disc == discs_.end()) {
        disc = discs_.insert(piece.handle(), cutDisc(piece.pixmap(), empty_.pixmap()));
    }
    return *disc;
}

// The time to fall a height h from rest is proportional to the square root of h.
void PieceFalls::startFront() {
    const double height = falls_.front().cell.top() - dropTop_;
    drop_->setDuration(static_cast<int>(std::lround(fullFallMs * std::sqrt(height / fullHeight_))));
    drop_->start();
}

void PieceFalls::landFront() {
    const Fall fallen = std::move(falls_.front());
    falls_.pop_front();
    update(columnAbove(fallen.cell));
    for (const std::function<void()>& show : fallen.shownOnLanding) {
        show();
    }
}

// Where the falling piece is now, on a whole device pixel, so that it is drawn as sharply as
// the cells are.
QRectF PieceFalls::frontPiece() const {
    const QRect cell = falls_.front().cell;
    const double top = dropTop_ + (cell.top() - dropTop_) * drop_->currentValue().toDouble();
    const double ratio = devicePixelRatioF();
    return {QPointF(cell.left(), std::round(top * ratio) / ratio), cell.size()};
}

// The way down to the cell, the cell included.
QRect PieceFalls::columnAbove(QRect cell) const {
    return {cell.left(), dropTop_, cell.width(), cell.bottom() + 1 - dropTop_};
}

// Cells drawn as the cells draw themselves: the picture's pixmap, made for the screen's pixel
// ratio, over the control's place.
void PieceFalls::paintEvent(QPaintEvent* /*event*/) {
    if (falls_.empty()) {
        return;
    }
    QPainter painter(this);
    for (const Fall& staged : falls_) {
        painter.drawPixmap(QRectF(staged.cell), empty_.pixmap(), empty_.pixmap().rect());
    }
    const QPixmap& disc = falls_.front().disc;
    painter.drawPixmap(frontPiece(), disc, disc.rect());
}

} // namespace tavelin
