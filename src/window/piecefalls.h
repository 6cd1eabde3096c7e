// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/picture.h"

#include <QHash>
#include <QPixmap>
#include <QVariantAnimation>
#include <QWidget>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace tavelin {

// The pieces on their way down, drawn over the board and its markers. The board holds a piece
// from the moment it is played; only the screen lets it fall from above its column into its
// cell, one piece after the other, each cell drawn empty until its piece lands. What is to be
// drawn for a piece (its marks) waits until it has landed. Lets every mouse event through, and
// draws nothing, with no timer running, while nothing falls. It is never hidden or shown: a
// screen reader would take each as news and cut short what it is saying of the move.
class PieceFalls : public QWidget {
    Q_OBJECT

public:
    // Pieces start at the height `dropTop` of the surface; the longest fall, `fullHeight` down,
    // takes a quarter of a second, and a shorter one less, as a dropped piece gathers speed.
    PieceFalls(int dropTop, int fullHeight, const Picture& empty, QWidget* surface);

    // A piece for `cell` (its place on the surface), to fall once those before it have landed.
    void fall(QRect cell, const Picture& piece);
    // Runs `show` once every piece staged so far has landed: at once when none falls.
    void afterLanding(const std::function<void()>& show);
    // Every staged piece is in its cell now, and what waited for it is shown.
    void finish();
    // Forgets every staged piece and what waited for it: the board starts over.
    void clear();
    bool falling() const { return !falls_.empty(); }

signals:
    void landed(); // the last piece staged is in its cell

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Fall {
        QRect cell;
        QPixmap disc;
        std::vector<std::function<void()>> shownOnLanding;
    };

    const QPixmap& discOf(const Picture& piece); // cut once for each piece's picture
    void startFront();
    void landFront();
    QRectF frontPiece() const;
    QRect columnAbove(QRect cell) const;

    const int dropTop_;
    const int fullHeight_;
    const Picture empty_;
    QHash<std::int32_t, QPixmap> discs_;
    std::deque<Fall> falls_;
    QVariantAnimation* drop_; // a child, for the benchmark to step
};

} // namespace tavelin
