// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

namespace tavelin {

// A notification that a screen reader speaks as it appears; nothing on screen.
class Notice : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget* window);
};

// What a screen reader is to say of what just happened. Qt 6.4 has no announcement event, and
// its AT-SPI bridge sends no words with a change of name or description; what a screen reader
// does speak, wherever the focus is, is a notification that appears. So each telling shows the
// notice anew, with the words as its name. Told one by one, each would cut off the one before:
// so everything is noted as it happens, the moves and the status line alike, and all that was
// noted is told together, in the order it happened, once the game is back in the event loop
// (a greeting and the move that came with it, a move and the computer's reply), or before a
// box with the game's result, which the screen reader reads next.
class Narrator {
public:
    explicit Narrator(QWidget& window) : notice_(new Notice(&window)) {}

    void note(const QString& sentence);
    // Tells what was noted since the last time, if anything, now rather than later.
    void tellNoted();
    void forgetNoted() { noted_.clear(); }

private:
    Notice* notice_;
    QStringList noted_;
};

} // namespace tavelin
