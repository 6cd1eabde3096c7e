// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tavelin {

// A plain-text label on a white background that reports clicks and mouse moves. A label
// swallows mouse moves, so moving over it never counts as moving over the window behind it.
// Its place is fixed: a text too wide for it (a long address, a large desktop font) is drawn
// smaller rather than cut off.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(QRect place, Qt::Alignment alignment, QWidget* parent);

    QColor foreColor() const;
    void setForeColor(const QColor& color);

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace tavelin
