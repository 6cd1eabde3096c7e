// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavelin {

PictureBox::PictureBox(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::setPicture(const Picture& picture) {
    if (picture == picture_) {
        return;
    }
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    if (!picture_.isNull()) {
        QPainter(this).drawPixmap(rect(), picture_.pixmap());
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a left press and release on the same control, as users expect of a button.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked(index_);
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMoved(index_, event->buttons(), event->modifiers(), at.x(), at.y());
}

} // namespace tavelin
