// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/gamediscovery.h"

#include <QDBusConnection>
#include <QHash>
#include <QHostAddress>
#include <QMap>

#include <functional>
#include <memory>
#include <optional>

class QDBusMessage;
class QDBusPendingCall;
class QDBusServiceWatcher;
class QThread;

namespace tavelin {

// The game's service discovery on Linux: the Avahi daemon, over the system bus. Nothing is
// touched until the game is first offered or looked for, and no call waits for an answer. The
// daemon may be missing, or start and stop at any time: what is wanted is done once it runs.
class AvahiDiscovery final : public GameDiscovery {
    Q_OBJECT

public:
    AvahiDiscovery();
    ~AvahiDiscovery() override;
    Q_DISABLE_COPY_MOVE(AvahiDiscovery)

    void advertise(const QString& name, quint16 port) override;
    void withdraw() override;
    void startBrowsing() override;
    void stopBrowsing() override;
    QList<FoundGame> games() const override;
    // Until the bus or the daemon has answered, the network is taken to be searchable: the
    // prompt says otherwise only once it is known.
    bool searchable() const override { return running_ || !answered_; }

private:
    // The daemon's signals, connected by name.
    Q_SLOT void onServerStateChanged(const QDBusMessage& message);
    Q_SLOT void onGroupStateChanged(const QDBusMessage& message);
    Q_SLOT void onBrowserSignal(const QDBusMessage& message);

    struct Advert {
        QString name;
        quint16 port = 0;
    };
    // One sighting of a game: a game on several interfaces, or over IPv4 and IPv6, is seen
    // once on each.
    struct Sighting {
        int interface = 0;
        int protocol = 0;
        friend bool operator<(Sighting one, Sighting other) {
            return std::pair(one.interface, one.protocol) <
                   std::pair(other.interface, other.protocol);
        }
    };
    struct Found {
        quint16 port = 0;
        QMap<Sighting, QHostAddress> addresses;
    };

    void connectToBus();
    void onBusConnected(const QDBusConnection& bus);
    void askServerState();
    bool fromDaemon(const QDBusMessage& message) const;
    void setRunning(bool running);
    void createGroup();
    void addService();
    void renameAfterCollision();
    void freeGroup();
    void createBrowser();
    void handleBrowserSignal(const QDBusMessage& message);
    void resolve(Sighting sighting, const QString& name);
    void freeBrowser();
    QDBusMessage serverCall(const QString& method) const;
    // Runs `done` with the reply, unless what the call was made for has been dropped meanwhile
    // (`generation` has moved on).
    void whenAnswered(const QDBusPendingCall& call, const int* generation,
                      std::function<void(const QDBusMessage&)> done);
    void whenCreated(const QDBusPendingCall& call, const int* generation, const QString& interface,
                     std::function<void(const QString& path)> done);
    void send(const QString& path, const QString& interface, const QString& method);

    std::unique_ptr<QThread> connecting_;
    QDBusConnection bus_{QString()};
    std::unique_ptr<QDBusServiceWatcher> watcher_;
    QString daemon_; // its unique name on the bus
    bool running_ = false;
    bool answered_ = false; // whether running_ is known yet

    std::optional<Advert> advert_;
    QString groupPath_;
    int groupGeneration_ = 0;

    bool browsing_ = false;
    QString browserPath_;
    int browserGeneration_ = 0;
    // What the daemon reported of a browser before saying which one it is.
    QList<QDBusMessage> earlyBrowserSignals_;
    QHash<QString, Found> found_; // by name
};

} // namespace tavelin
