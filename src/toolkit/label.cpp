// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/label.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavelin {

Label::Label(QRect place, Qt::Alignment alignment, QWidget* parent) : QLabel(parent) {
    setGeometry(place);
    setAlignment(alignment);
    setTextFormat(Qt::PlainText); // texts may come from the network: never rich text
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

QColor Label::foreColor() const {
    return palette().color(QPalette::WindowText);
}

void Label::setForeColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void Label::paintEvent(QPaintEvent* event) {
    const QRect room = contentsRect();
    const auto width = [&](const QFont& font) {
        return QFontMetricsF(font, this).horizontalAdvance(text());
    };
    if (width(font()) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    // As large as fits: in proportion first, then a little smaller while hinting makes it wider.
    QFont smaller = font();
    smaller.setPointSizeF(font().pointSizeF() * room.width() / width(font()));
    while (width(smaller) > room.width() && smaller.pointSizeF() > 1) {
        smaller.setPointSizeF(smaller.pointSizeF() * 0.95);
    }
    QPainter painter(this);
    painter.setFont(smaller);
    painter.drawText(room, static_cast<int>(alignment()), text());
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void Label::mouseMoveEvent(QMouseEvent* /*event*/) {
    emit mouseMoved();
}

} // namespace tavelin
