#include "toolkit/qtdialogs.h"

#include "toolkit/handlergate.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tavelin {

namespace {
QString titleOrDefault(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}
} // namespace

void QtDialogs::msgBox(const QString& text, Style style, const QString& title) {
    QMessageBox box(style == Style::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    titleOrDefault(title), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const HandlerGate::ModalScope modal;
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(titleOrDefault({}));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    const HandlerGate::ModalScope modal;
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace tavelin
