// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/picture.h"

#include <QWidget>

namespace tavelin {

// A picture control, one element of a control array: shows the very Picture object it is
// given and reports clicks and mouse moves with its element index. Being a widget, a hidden
// control is not drawn and receives no mouse events.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(int index, QWidget* parent);

    int index() const { return index_; }
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    // Reports a click as the mouse does, for keyboard and assistive-technology users.
    void click() { emit clicked(index_); }

signals:
    void clicked(int index);
    void mouseMoved(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const int index_;
    Picture picture_;
    bool pressed_ = false;
};

} // namespace tavelin
