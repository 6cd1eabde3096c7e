// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/keyboardgroup.h"

namespace tavelin {

// Holds the seven column markers: to assistive technology, buttons that play their column.
class MarkerRow : public KeyboardGroup {
    Q_OBJECT

public:
    using KeyboardGroup::KeyboardGroup;
};

} // namespace tavelin
