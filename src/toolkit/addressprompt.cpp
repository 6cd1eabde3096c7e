// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/addressprompt.h"

#include "net/gamediscovery.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavelin {

namespace {
constexpr int addressRole = Qt::UserRole;
constexpr int listedRows = 5;

QString entryText(const FoundGame& game) {
    //: a game found on the network: %1 is the name of the computer it waits on, %2 its address
    return AddressPrompt::tr("%1 at %2").arg(game.name, game.address);
}
} // namespace

AddressPrompt::AddressPrompt(const QString& prompt, const QString& defaultText,
                             GameDiscovery& discovery, QWidget* parent)
    : QDialog(parent), discovery_(discovery) {
    auto* layout = new QVBoxLayout(this);
    auto* promptLabel = new QLabel(prompt, this);
    address_ = new QLineEdit(defaultText, this);
    address_->selectAll();
    promptLabel->setBuddy(address_);
    auto* gamesLabel = new QLabel(tr("&Games waiting on the network:"), this);
    games_ = new QListWidget(this);
    games_->setAccessibleName(tr("Games waiting on the network"));
    gamesLabel->setBuddy(games_);
    games_->setMinimumHeight(games_->fontMetrics().height() * listedRows);
    unsearchable_ = new QLabel(tr("Games on the network cannot be searched for now."), this);
    unsearchable_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Qt's own catalogues lack some of the game's languages (Swedish, in Qt 6.4).
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("QtDialogs", "Cancel"));
    for (QWidget* widget : std::initializer_list<QWidget*>{promptLabel, address_, gamesLabel,
                                                           games_, unsearchable_, buttons}) {
        layout->addWidget(widget);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(games_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* chosen) {
        if (chosen != nullptr) {
            address_->setText(chosen->data(addressRole).toString());
        }
    });
    connect(games_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(&discovery_, &GameDiscovery::changed, this, &AddressPrompt::showGames);
    discovery_.startBrowsing();
    showGames();
}

AddressPrompt::~AddressPrompt() {
    discovery_.stopBrowsing();
}

QString AddressPrompt::address() const {
    return address_->text();
}

// Entries come and go one by one, so that the one a player is on stays where it is.
void AddressPrompt::showGames() {
    unsearchable_->setVisible(!discovery_.searchable());
    QStringList wanted;
    const QList<FoundGame> found = discovery_.games();
    for (const FoundGame& game : found) {
        wanted.append(entryText(game));
    }
    for (int row = games_->count() - 1; row >= 0; --row) {
        if (!wanted.contains(games_->item(row)->text())) {
            delete games_->takeItem(row);
        }
    }
    for (int row = 0; row < found.size(); ++row) {
        if (row >= games_->count() || games_->item(row)->text() != wanted.at(row)) {
            auto* item = new QListWidgetItem(wanted.at(row));
            item->setData(addressRole, found.at(row).address);
            games_->insertItem(row, item);
        }
    }
}

} // namespace tavelin
