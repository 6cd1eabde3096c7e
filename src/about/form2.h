// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

namespace tavelin {

class Dialogs;
class Label;
class LinkLabel;
class UrlOpener;

// The About box: the game's name, its makers, and two links that turn blue under the mouse and
// are followed by a click or from the keyboard.
class Form2 : public QDialog {
    Q_OBJECT

public:
    Form2(UrlOpener& urls, Dialogs& dialogs, QWidget* parent);

    Label& Label1() const { return *label1_; }
    LinkLabel& Label2() const { return *label2_; }
    LinkLabel& Label13() const { return *label13_; }
    QPushButton& Command1() const { return *command1_; }

    void Command1_Click();
    void Label13_MouseMove();
    void Label2_MouseMove();
    void Form_MouseMove();
    void Label13_Click();
    void Label2_Click();

private:
    void showLinkColours(bool mailUnderMouse, bool webUnderMouse);
    void openLink(const QUrl& url);

    UrlOpener& urls_;
    Dialogs& dialogs_;
    Label* label1_;
    LinkLabel* label2_;
    LinkLabel* label13_;
    QPushButton* command1_;
};

} // namespace tavelin
