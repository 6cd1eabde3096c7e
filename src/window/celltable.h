// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/keyboardgroup.h"

namespace tavelin {

// Holds the board's 42 cells, so that assistive technology sees them as one table, read row by
// row as the keyboard moves through it.
class CellTable : public KeyboardGroup {
    Q_OBJECT

public:
    using KeyboardGroup::KeyboardGroup;
};

} // namespace tavelin
