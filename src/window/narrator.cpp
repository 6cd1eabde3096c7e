// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/narrator.h"

namespace tavelin {

Notice::Notice(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

// A handler notes a few sentences: a move, a reply, a full column, the turn. Pieces placed with
// no handler to tell them (setting up a board) leave only the latest few waiting.
void Narrator::note(const QString& sentence) {
    constexpr qsizetype kept = 8;
    if (noted_.size() == kept) {
        noted_.removeFirst();
    }
    noted_.append(sentence);
}

void Narrator::tellNoted() {
    if (!noted_.isEmpty()) {
        tell(noted_.join(QLatin1Char(' ')));
        noted_.clear();
    }
}

void Narrator::tell(const QString& text) {
    notice_->hide();
    notice_->setAccessibleName(text);
    notice_->show();
}

} // namespace tavelin
