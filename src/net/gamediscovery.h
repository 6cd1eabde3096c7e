// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace tavelin {

// A game waiting on the local network, as a guest is offered it.
struct FoundGame {
    QString name;    // the host's name, as its greeting sends it
    QString address; // as a player would type it, its port included
    friend bool operator==(const FoundGame&, const FoundGame&) = default;
};

// Offering this side's game on the local network, and finding the games others offer there,
// through the desktop's service discovery. Whatever the network or the desktop does, no call
// waits for it and none fails: a backend that cannot reach the network's discovery says so in
// searchable(), and starts once it can.
class GameDiscovery : public QObject {
    Q_OBJECT

public:
    // The kind of service a waiting game is offered as.
    static constexpr const char* serviceType = "_tavelin._tcp";

    GameDiscovery() = default;
    ~GameDiscovery() override = default;
    Q_DISABLE_COPY_MOVE(GameDiscovery)

    // The host: offers a game named `name` on `port`, in place of any offered before, until
    // withdraw().
    virtual void advertise(const QString& name, quint16 port) = 0;
    virtual void withdraw() = 0;

    // The guest: games() follows the network between these two calls.
    virtual void startBrowsing() = 0;
    virtual void stopBrowsing() = 0;
    virtual QList<FoundGame> games() const = 0;
    // Whether the network can be searched for games right now.
    virtual bool searchable() const = 0;

signals:
    // games() or searchable() has changed.
    void changed();
};

} // namespace tavelin
