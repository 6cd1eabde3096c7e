// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QPoint>
#include <QWidget>

#include <optional>

namespace tavelin {

// Drawn over the board's cells, never in them: a dot on the piece placed last, so that the eye
// finds the latest move at once, and a line through each four that won. What a cell holds stays
// the picture it shows. Lets every mouse event through to the cells below.
class BoardMarks : public QWidget {
    Q_OBJECT

public:
    explicit BoardMarks(QWidget* board);

    void markLastPiece(QPoint centre);
    void markWinningLine(QLine centres);
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QPoint> lastPiece_;
    QList<QLine> winningLines_;
};

} // namespace tavelin
