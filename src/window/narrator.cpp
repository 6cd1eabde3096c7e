// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/narrator.h"

#include "window/boardaccessible.h"

namespace tavelin {

Notice::Notice(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Narrator::note(const QString& sentence) {
    noted_.append(sentence);
}

void Narrator::tellNoted() {
    if (noted_.isEmpty()) {
        return;
    }
    notice_->hide();
    notice_->setAccessibleName(sentences(noted_));
    notice_->show();
    noted_.clear();
}

} // namespace tavelin
