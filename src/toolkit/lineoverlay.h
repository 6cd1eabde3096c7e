// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QWidget>

namespace tavelin {

// Line controls: paints its lines over its siblings and lets every mouse event through to
// what lies below.
class LineOverlay : public QWidget {
    Q_OBJECT

public:
    LineOverlay(const QList<QLine>& lines, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QLine> lines_;
};

} // namespace tavelin
