// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/picturebox.h"

#include <QPointer>
#include <QWidget>

namespace tavelin {

// Holds picture controls of the board, one of which may be the keyboard's: assistive
// technology is told that one has the focus. It draws nothing, and tracks the mouse only to pass
// moves over its gaps on to the form beneath, which an untracked widget would swallow.
class KeyboardGroup : public QWidget {
    Q_OBJECT

public:
    explicit KeyboardGroup(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

    PictureBox* current() const { return current_; }
    // Makes `element` (or none) the keyboard's; a new one is told as a focus move, the same one
    // again is not.
    void setCurrent(PictureBox* element);

private:
    QPointer<PictureBox> current_;
};

} // namespace tavelin
