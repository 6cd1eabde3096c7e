// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/lineoverlay.h"

#include <QPainter>

namespace tavelin {

LineOverlay::LineOverlay(const QList<QLine>& lines, QWidget* parent)
    : QWidget(parent), lines_(lines) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
}

void LineOverlay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines_);
}

} // namespace tavelin
