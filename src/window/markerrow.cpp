// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/markerrow.h"

#include <QAccessible>

namespace tavelin {

void MarkerRow::setCurrent(PictureBox* marker) {
    current_ = marker;
    QAccessibleEvent focus(marker, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace tavelin
