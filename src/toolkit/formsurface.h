// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QWidget>

namespace tavelin {

// The client area of a window: a fixed-size white surface with black text that reports mouse
// moves over its own background (not over controls that handle their own) and carries line
// controls.
class FormSurface : public QWidget {
    Q_OBJECT

public:
    FormSurface(QSize clientSize, QWidget* parent);

    // Lines are drawn above every control placed so far, like the walls around a board.
    void drawLinesOnTop(const QList<QLine>& lines);

signals:
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace tavelin
