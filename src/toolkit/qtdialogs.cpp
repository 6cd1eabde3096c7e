// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qtdialogs.h"

#include "toolkit/addressprompt.h"
#include "toolkit/handlergate.h"

#include <QApplication>
#include <QMessageBox>

namespace tavelin {

QWidget* QtDialogs::windowInFront(QWidget* owner) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : owner;
}

QString QtDialogs::titleOrDefault(const QString& title) const {
    return !title.isEmpty() || owner_ == nullptr ? title : owner_->windowTitle();
}

void QtDialogs::msgBox(const QString& text, Style style, const QString& title) {
    QMessageBox box(style == Style::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    titleOrDefault(title), text, QMessageBox::Ok, windowInFront(owner_));
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address in it can be copied
    // A screen reader is told the box's text in its name, after the title: both Orcas say an
    // alert's name, and leave out a label whose text the name holds. As a label alone it was
    // not said by Orca 51, which skips labels that can take the focus (a selectable one can) or
    // have fewer than three words ("Rot gewinnt"); as the box's description as well, Orca 43
    // said it twice.
    box.setAccessibleName(
        box.windowTitle().isEmpty() ? text : box.windowTitle() + QStringLiteral(": ") + text);
    HandlerGate::runModal(box);
}

QString QtDialogs::addressBox(const QString& prompt, const QString& defaultText,
                              GameDiscovery& discovery) {
    AddressPrompt dialog(prompt, defaultText, discovery, windowInFront(owner_));
    dialog.setWindowTitle(titleOrDefault({}));
    return HandlerGate::runModal(dialog) == QDialog::Accepted ? dialog.address() : QString();
}

} // namespace tavelin
