// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/avahidiscovery.h"

#include "net/dnssdrecords.h"
#include "net/peermessages.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QNetworkInterface>
#include <QThread>

#include <algorithm>

namespace tavelin {

namespace {
constexpr QLatin1String avahi("org.freedesktop.Avahi");
constexpr QLatin1String serverInterface("org.freedesktop.Avahi.Server");
constexpr QLatin1String groupInterface("org.freedesktop.Avahi.EntryGroup");
constexpr QLatin1String browserInterface("org.freedesktop.Avahi.ServiceBrowser");
constexpr QLatin1String collisionError("org.freedesktop.Avahi.CollisionError");
constexpr QLatin1String localDomain("local");
constexpr int anyInterface = -1;
constexpr int anyProtocol = -1;
constexpr int serverRunning = 2;
constexpr int groupCollision = 3;
const int always = 0; // the generation of a call nothing can overtake

QString pathOf(const QDBusMessage& reply) {
    return reply.arguments().value(0).value<QDBusObjectPath>().path();
}
} // namespace

AvahiDiscovery::AvahiDiscovery() = default;

// Whatever this side offered goes with its connection to the bus; said plainly all the same.
AvahiDiscovery::~AvahiDiscovery() {
    freeGroup();
    freeBrowser();
    if (connecting_) {
        connecting_->wait();
    }
}

void AvahiDiscovery::advertise(const QString& name, quint16 port) {
    freeGroup();
    advert_ = Advert{name, port};
    connectToBus();
    if (running_) {
        createGroup();
    }
}

void AvahiDiscovery::withdraw() {
    advert_.reset();
    freeGroup();
}

void AvahiDiscovery::startBrowsing() {
    if (browsing_) {
        return;
    }
    browsing_ = true;
    connectToBus();
    if (running_) {
        createBrowser();
    }
}

void AvahiDiscovery::stopBrowsing() {
    browsing_ = false;
    freeBrowser();
}

QList<FoundGame> AvahiDiscovery::games() const {
    QList<FoundGame> games;
    for (auto game = found_.begin(); game != found_.end(); ++game) {
        const QString address = addressToType(game->addresses.values(), game->port);
        if (!address.isEmpty()) {
            games.append({sanitizeGreeting(game.key()), address});
        }
    }
    std::sort(games.begin(), games.end(), [](const FoundGame& one, const FoundGame& other) {
        return one.name.localeAwareCompare(other.name) < 0;
    });
    return games;
}

// Once, on first use, and away from the game's thread: even a local bus may be slow to let a
// client in. The daemon's signals are listened for before anything is asked of it: it reports
// a new browser's first finds before it answers which browser that is.
void AvahiDiscovery::connectToBus() {
    if (connecting_) {
        return;
    }
    connecting_.reset(QThread::create([this] {
        const QDBusConnection bus = QDBusConnection::systemBus();
        QMetaObject::invokeMethod(
            this, [this, bus] { onBusConnected(bus); }, Qt::QueuedConnection);
    }));
    connecting_->start();
}

void AvahiDiscovery::onBusConnected(const QDBusConnection& bus) {
    bus_ = bus;
    if (!bus_.isConnected()) {
        setRunning(false);
        return;
    }
    qDBusRegisterMetaType<QList<QByteArray>>(); // TXT records
    watcher_ = std::make_unique<QDBusServiceWatcher>(avahi, bus_,
                                                     QDBusServiceWatcher::WatchForOwnerChange);
    connect(watcher_.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString& /*name*/, const QString& /*old*/, const QString& owner) {
                daemon_ = owner;
                owner.isEmpty() ? setRunning(false) : askServerState();
            });
    // Signals are taken from any sender and checked against the daemon's own name: naming
    // the daemon here would have Qt ask the bus for its owner, and wait for the answer.
    bus_.connect(QString(), QStringLiteral("/"), serverInterface, QStringLiteral("StateChanged"),
                 this, SLOT(onServerStateChanged(QDBusMessage)));
    bus_.connect(QString(), QString(), groupInterface, QStringLiteral("StateChanged"), this,
                 SLOT(onGroupStateChanged(QDBusMessage)));
    for (const char* signal : {"ItemNew", "ItemRemove"}) {
        bus_.connect(QString(), QString(), browserInterface, QLatin1String(signal), this,
                     SLOT(onBrowserSignal(QDBusMessage)));
    }
    askServerState();
}

// A daemon that is not running is not started for this: the question is only whether one is.
void AvahiDiscovery::askServerState() {
    QDBusMessage ask = serverCall(QStringLiteral("GetState"));
    ask.setAutoStartService(false);
    whenAnswered(bus_.asyncCall(ask), &always, [this](const QDBusMessage& reply) {
        const bool answered = reply.type() == QDBusMessage::ReplyMessage;
        daemon_ = answered ? reply.service() : QString();
        setRunning(answered && reply.arguments().value(0).toInt() == serverRunning);
    });
}

void AvahiDiscovery::onServerStateChanged(const QDBusMessage& message) {
    if (fromDaemon(message)) {
        setRunning(message.arguments().value(0).toInt() == serverRunning);
    }
}

bool AvahiDiscovery::fromDaemon(const QDBusMessage& message) const {
    return !daemon_.isEmpty() && message.service() == daemon_;
}

// A daemon that stops, or loses its host name, drops what it held for us; once it runs again,
// the game is offered and looked for anew.
void AvahiDiscovery::setRunning(bool running) {
    if (running == running_ && answered_) {
        return;
    }
    answered_ = true;
    running_ = running;
    freeGroup();
    freeBrowser();
    if (running && advert_) {
        createGroup();
    }
    if (running && browsing_) {
        createBrowser();
    }
    emit changed();
}

void AvahiDiscovery::createGroup() {
    whenCreated(bus_.asyncCall(serverCall(QStringLiteral("EntryGroupNew"))), &groupGeneration_,
                groupInterface, [this](const QString& path) {
                    groupPath_ = path;
                    addService();
                });
}

void AvahiDiscovery::addService() {
    QDBusMessage add = QDBusMessage::createMethodCall(avahi, groupPath_, groupInterface,
                                                      QStringLiteral("AddService"));
    add << anyInterface << anyProtocol << 0U << advert_->name << QString::fromLatin1(serviceType)
        << QString() << QString() << QVariant::fromValue(advert_->port)
        << QVariant::fromValue(gameTxtRecord());
    whenAnswered(bus_.asyncCall(add), &groupGeneration_, [this](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == collisionError) {
            renameAfterCollision(); // another game of this machine has the name
            return;
        }
        send(groupPath_, groupInterface, QStringLiteral("Commit"));
    });
}

// Another game on the network has the name: the daemon proposes the next one.
void AvahiDiscovery::onGroupStateChanged(const QDBusMessage& message) {
    if (fromDaemon(message) && message.path() == groupPath_ && !groupPath_.isEmpty() &&
        message.arguments().value(0).toInt() == groupCollision) {
        renameAfterCollision();
    }
}

void AvahiDiscovery::renameAfterCollision() {
    QDBusMessage ask = serverCall(QStringLiteral("GetAlternativeServiceName"));
    ask << advert_->name;
    whenAnswered(bus_.asyncCall(ask), &groupGeneration_, [this](const QDBusMessage& reply) {
        const QString name = reply.arguments().value(0).toString();
        if (reply.type() != QDBusMessage::ReplyMessage || name.isEmpty()) {
            return;
        }
        advert_->name = name;
        send(groupPath_, groupInterface, QStringLiteral("Reset"));
        addService();
    });
}

void AvahiDiscovery::freeGroup() {
    ++groupGeneration_;
    if (!groupPath_.isEmpty()) {
        send(groupPath_, groupInterface, QStringLiteral("Free"));
        groupPath_.clear();
    }
}

void AvahiDiscovery::createBrowser() {
    QDBusMessage create = serverCall(QStringLiteral("ServiceBrowserNew"));
    create << anyInterface << anyProtocol << QString::fromLatin1(serviceType)
           << QString(localDomain) << 0U;
    whenCreated(bus_.asyncCall(create), &browserGeneration_, browserInterface,
                [this](const QString& path) {
                    browserPath_ = path;
                    for (const QDBusMessage& early : std::exchange(earlyBrowserSignals_, {})) {
                        onBrowserSignal(early);
                    }
                });
}

void AvahiDiscovery::onBrowserSignal(const QDBusMessage& message) {
    if (!fromDaemon(message)) {
        return;
    }
    if (browserPath_.isEmpty()) {
        if (browsing_ && running_) {
            earlyBrowserSignals_.append(message);
        }
        return;
    }
    if (message.path() == browserPath_) {
        handleBrowserSignal(message);
    }
}

void AvahiDiscovery::handleBrowserSignal(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    const Sighting sighting{arguments.value(0).toInt(), arguments.value(1).toInt()};
    const QString name = arguments.value(2).toString();
    if (message.member() == QLatin1String("ItemNew")) {
        found_[name].addresses.insert(sighting, QHostAddress()); // listed once resolved
        resolve(sighting, name);
        return;
    }
    const auto game = found_.find(name);
    if (game != found_.end() && game->addresses.remove(sighting) > 0) {
        if (game->addresses.isEmpty()) {
            found_.remove(name);
        }
        emit changed();
    }
}

// Each sighting is resolved over its own protocol: IPv4 gives the IPv4 address, IPv6 the
// IPv6 one, and a link-local address is given its interface.
void AvahiDiscovery::resolve(Sighting sighting, const QString& name) {
    QDBusMessage ask = serverCall(QStringLiteral("ResolveService"));
    ask << sighting.interface << sighting.protocol << name << QString::fromLatin1(serviceType)
        << QString(localDomain) << sighting.protocol << 0U;
    whenAnswered(
        bus_.asyncCall(ask), &browserGeneration_,
        [this, sighting, name](const QDBusMessage& reply) {
            const QVariantList answer = reply.arguments();
            const auto game = found_.find(name);
            if (answer.size() < 10 || game == found_.end() || !game->addresses.contains(sighting) ||
                !speaksOurProtocol(qdbus_cast<QList<QByteArray>>(answer.at(9)))) {
                return;
            }
            QHostAddress address(answer.at(7).toString());
            if (address.isLinkLocal()) {
                address.setScopeId(QNetworkInterface::interfaceNameFromIndex(sighting.interface));
            }
            game->addresses.insert(sighting, address);
            game->port = static_cast<quint16>(answer.at(8).toUInt());
            emit changed();
        });
}

void AvahiDiscovery::freeBrowser() {
    ++browserGeneration_;
    earlyBrowserSignals_.clear();
    if (!browserPath_.isEmpty()) {
        send(browserPath_, browserInterface, QStringLiteral("Free"));
        browserPath_.clear();
    }
    if (!found_.isEmpty()) {
        found_.clear();
        emit changed();
    }
}

QDBusMessage AvahiDiscovery::serverCall(const QString& method) const {
    return QDBusMessage::createMethodCall(avahi, QStringLiteral("/"), serverInterface, method);
}

void AvahiDiscovery::whenAnswered(const QDBusPendingCall& call, const int* generation,
                                  std::function<void(const QDBusMessage&)> done) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [watcher, generation, asked = *generation, done = std::move(done)] {
                watcher->deleteLater();
                if (*generation == asked) {
                    done(watcher->reply());
                }
            });
}

// An object made for what has been dropped meanwhile is freed at once.
void AvahiDiscovery::whenCreated(const QDBusPendingCall& call, const int* generation,
                                 const QString& interface,
                                 std::function<void(const QString&)> done) {
    whenAnswered(call, &always,
                 [this, generation, asked = *generation, interface,
                  done = std::move(done)](const QDBusMessage& reply) {
                     const QString path = pathOf(reply);
                     if (path.isEmpty()) {
                         return;
                     }
                     *generation == asked ? done(path)
                                          : send(path, interface, QStringLiteral("Free"));
                 });
}

// Nothing waits for the answer: the daemon does these in the order sent, after what came before.
void AvahiDiscovery::send(const QString& path, const QString& interface, const QString& method) {
    bus_.send(QDBusMessage::createMethodCall(avahi, path, interface, method));
}

} // namespace tavelin
