// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/formsurface.h"

#include "toolkit/lineoverlay.h"

#include <QMouseEvent>

namespace tavelin {

FormSurface::FormSurface(QSize clientSize, QWidget* parent) : QWidget(parent) {
    setFixedSize(clientSize);
    setMouseTracking(true);
    setAutoFillBackground(true);
    // The design's colours, whatever the desktop's theme: black text on white. Controls with
    // a look of their own (buttons) keep following the theme.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
}

void FormSurface::drawLinesOnTop(const QList<QLine>& lines) {
    auto* overlay = new LineOverlay(lines, this);
    overlay->raise();
}

void FormSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMoved(event->buttons(), event->modifiers(), at.x(), at.y());
}

} // namespace tavelin
