// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/narrator.h"

#include "window/boardaccessible.h"

#include <QMetaObject>

namespace tavelin {

Notice::Notice(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Narrator::note(const QString& sentence) {
    if (noted_.isEmpty()) {
        QMetaObject::invokeMethod(
            notice_, [this] { tellNoted(); }, Qt::QueuedConnection);
    }
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
