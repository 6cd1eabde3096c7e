// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/heldkeys.h"
#include "toolkit/label.h"

namespace tavelin {

// A label that is a link, for the keyboard and assistive technology as much as for the mouse:
// Tab reaches it, Return or Space follows it as a click does, a focus frame shows that it has
// the keyboard, and a screen reader meets it as a link that can be pressed.
class LinkLabel : public Label {
    Q_OBJECT

public:
    LinkLabel(QRect place, Qt::Alignment alignment, QWidget* parent);

    // Follows the link, as a click does.
    void click() { emit clicked(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    HeldKeys heldKeys_{this};
};

} // namespace tavelin
