// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/picturebox.h"

#include <QPointer>
#include <QWidget>

namespace tavelin {

// Holds the column markers, so that assistive technology sees them as one row of buttons, and
// remembers the column the keyboard is on. Like the cell table it draws nothing and passes
// mouse moves on to the form.
class MarkerRow : public QWidget {
    Q_OBJECT

public:
    explicit MarkerRow(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

    // The keyboard's column, told to assistive technology as the focused button.
    PictureBox* current() const { return current_; }
    void setCurrent(PictureBox* marker);

private:
    QPointer<PictureBox> current_;
};

} // namespace tavelin
