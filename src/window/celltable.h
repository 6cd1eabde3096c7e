// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tavelin {

// Holds the board's 42 cells, so that assistive technology sees them as one table. It draws
// nothing. It tracks the mouse only to pass moves over its gaps on to the form beneath, which
// an untracked widget would swallow.
class CellTable : public QWidget {
    Q_OBJECT

public:
    explicit CellTable(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
};

} // namespace tavelin
