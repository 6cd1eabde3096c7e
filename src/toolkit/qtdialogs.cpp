// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qtdialogs.h"

#include "toolkit/handlergate.h"

#include <QInputDialog>
#include <QMessageBox>

namespace tavelin {

QString QtDialogs::titleOrDefault(const QString& title) const {
    return !title.isEmpty() || owner_ == nullptr ? title : owner_->windowTitle();
}

void QtDialogs::msgBox(const QString& text, Style style, const QString& title) {
    QMessageBox box(style == Style::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    titleOrDefault(title), text, QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address in it can be copied
    const HandlerGate::ModalScope modal;
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& defaultText) {
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(titleOrDefault({}));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    const HandlerGate::ModalScope modal;
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace tavelin
