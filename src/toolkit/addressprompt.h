// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace tavelin {

class GameDiscovery;

// Asks for the address of a game to join: typed, or chosen from the games found waiting on
// the local network, which the list follows while it is open. Choosing a game puts its address
// in the text, to be confirmed or changed like a typed one.
class AddressPrompt final : public QDialog {
    Q_OBJECT

public:
    AddressPrompt(const QString& prompt, const QString& defaultText, GameDiscovery& discovery,
                  QWidget* parent);
    ~AddressPrompt() override;
    Q_DISABLE_COPY_MOVE(AddressPrompt)

    QString address() const;

private:
    void showGames();

    GameDiscovery& discovery_;
    QLineEdit* address_ = nullptr;
    QListWidget* games_ = nullptr;
    QLabel* unsearchable_ = nullptr;
};

} // namespace tavelin
