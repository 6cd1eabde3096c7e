// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboardgroup.h"

#include <QAccessible>

namespace tavelin {

void KeyboardGroup::setCurrent(PictureBox* element) {
    if (element == current_) {
        return;
    }
    current_ = element;
    if (element != nullptr) {
        QAccessibleEvent focus(element, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace tavelin
