// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tcpsocketcontrol.h"

#include "net/socketlibrary.h"

#include <QCoreApplication>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace tavelin {

namespace {

// A peer that vanishes without a word (machine off, cable pulled) is noticed after about
// 15 s of silence plus 6 unanswered probes 5 s apart: well within a minute. Probes wait while
// sent data is unacknowledged, so the same 45 s also bound how long a move may go unanswered.
constexpr int keepAliveIdleSeconds = 15;
constexpr int keepAliveIntervalSeconds = 5;
constexpr int keepAliveProbes = 6;
constexpr unsigned userTimeoutMs =
    1000U * (keepAliveIdleSeconds + keepAliveIntervalSeconds * keepAliveProbes);
constexpr int connectTimeoutMs = 15000;
// What a connection reads ahead of the game. While a message box holds the game's handlers
// back, a peer that goes on sending is held back by TCP instead of filling memory.
constexpr qint64 readAheadBytes = qint64{64} * 1024;

// Connection requests waiting for an accept, by request identifier. An entry leaves when its
// connection is accepted, turned away, or destroyed with the listener that received it.
QHash<int, QTcpSocket*>& pendingRequests() {
    static QHash<int, QTcpSocket*> pending;
    return pending;
}

int nextRequestId() {
    static int last = 0;
    return ++last;
}

template <typename Value> void setTcpOption(int fd, int option, Value value) {
    setsockopt(fd, IPPROTO_TCP, option, &value, sizeof value);
}

// Where the system lacks an option, its default stands: plain keep-alive notices a vanished
// peer after some hours instead.
void tuneConnection(QTcpSocket& socket) {
    // A move is two bytes: send it at once instead of waiting to fill a segment.
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    [[maybe_unused]] const auto fd = static_cast<int>(socket.socketDescriptor());
#ifdef TCP_KEEPIDLE
    setTcpOption(fd, TCP_KEEPIDLE, keepAliveIdleSeconds);
#endif
#ifdef TCP_KEEPINTVL
    setTcpOption(fd, TCP_KEEPINTVL, keepAliveIntervalSeconds);
#endif
#ifdef TCP_KEEPCNT
    setTcpOption(fd, TCP_KEEPCNT, keepAliveProbes);
#endif
#ifdef TCP_USER_TIMEOUT
    setTcpOption(fd, TCP_USER_TIMEOUT, userTimeoutMs);
#endif
}

} // namespace

TcpSocketControl::TcpSocketControl(SocketLibrary& sockets, QObject* parent)
    : QObject(parent), sockets_(sockets) {
    connectTimer_.setSingleShot(true);
    connectTimer_.setInterval(connectTimeoutMs);
    connect(&connectTimer_, &QTimer::timeout, this, &TcpSocketControl::onConnectTimeout);
}

TcpSocketControl::~TcpSocketControl() {
    close();
}

void TcpSocketControl::raiseError(Failure failure, const QString& reason) {
    raise([this, failure, reason] { emit errorOccurred(failure, reason); });
}

// Several arrivals may be told before the owner reads; the first read takes them all, and the
// later events, finding nothing, are not raised.
void TcpSocketControl::raiseDataArrival() {
    raise([this] {
        if (socket_ && socket_->bytesAvailable() > 0) {
            emit dataArrival(socket_->bytesAvailable());
        }
    });
}

void TcpSocketControl::raise(std::function<void()> event) {
    QMetaObject::invokeMethod(
        this,
        [this, generation = generation_, event = std::move(event)] {
            if (generation_ == generation) {
                event();
            }
        },
        Qt::QueuedConnection);
}

std::optional<SocketLibrary::ListenRefusal> TcpSocketControl::listen() {
    if (state_ != State::Closed) {
        return std::nullopt;
    }
    server_ = std::make_unique<QTcpServer>();
    if (auto refusal = sockets_.listen(*server_, localPort_)) {
        server_.reset();
        return refusal;
    }
    state_ = State::Listening;
    connect(server_.get(), &QTcpServer::newConnection, this, &TcpSocketControl::onNewConnections);
    return std::nullopt;
}

void TcpSocketControl::onNewConnections() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        socket->setReadBufferSize(readAheadBytes);
        const int id = nextRequestId();
        pendingRequests().insert(id, socket);
        connect(socket, &QObject::destroyed, [id] { pendingRequests().remove(id); });
        raise([this, id] { emit connectionRequest(id); });
    }
}

// A requester that has gone again leaves nothing to accept, and the control stays closed.
void TcpSocketControl::accept(int requestId) {
    QTcpSocket* socket = pendingRequests().take(requestId);
    if (socket == nullptr) {
        return;
    }
    socket->disconnect(); // no longer pending: its destruction is the control's business now
    if (state_ != State::Closed || socket->state() != QAbstractSocket::ConnectedState) {
        socket->deleteLater();
        return;
    }
    socket->setParent(nullptr);
    adopt(socket, State::Connected);
    raiseDataArrival(); // data may have come before the accept: told like any other
}

void TcpSocketControl::reject(int requestId) {
    if (QTcpSocket* socket = pendingRequests().take(requestId)) {
        socket->disconnect();
        socket->abort();
        socket->deleteLater();
    }
}

void TcpSocketControl::connectTo(const QString& host, quint16 port) {
    if (state_ != State::Closed) {
        return;
    }
    adopt(new QTcpSocket, State::Connecting);
    connect(socket_.get(), &QTcpSocket::connected, this, [this] {
        connectTimer_.stop();
        state_ = State::Connected;
        tuneConnection(*socket_);
        raise([this] { emit connected(); });
    });
    connectTimer_.start();
    socket_->connectToHost(host, port);
}

void TcpSocketControl::adopt(QTcpSocket* socket, State state) {
    socket_.reset(socket);
    socket_->setReadBufferSize(readAheadBytes);
    state_ = state;
    if (state == State::Connected) {
        tuneConnection(*socket_);
    }
    connect(socket, &QTcpSocket::readyRead, this, &TcpSocketControl::raiseDataArrival);
    connect(socket, &QTcpSocket::errorOccurred, this, &TcpSocketControl::onSocketError);
}

void TcpSocketControl::onSocketError() {
    connectTimer_.stop();
    if (socket_->error() == QAbstractSocket::RemoteHostClosedError) {
        raise([this] { emit peerClosed(); });
        return;
    }
    const Failure failure = state_ == State::Connected ? Failure::Connection
                            : socket_->error() == QAbstractSocket::ConnectionRefusedError
                                ? Failure::ConnectRefused
                                : Failure::Connect;
    raiseError(failure, socket_->errorString());
}

void TcpSocketControl::onConnectTimeout() {
    socket_->disconnect(this);
    socket_->abort();
    raiseError(Failure::Connect, tr("The connection attempt timed out."));
}

void TcpSocketControl::sendData(const QString& text) {
    if (state_ != State::Connected || socket_->state() != QAbstractSocket::ConnectedState) {
        return;
    }
    socket_->write(text.toLatin1());
    socket_->flush(); // hand it to the network now, not on the next turn of the event loop
}

QString TcpSocketControl::getData() {
    return socket_ ? QString::fromLatin1(socket_->readAll()) : QString();
}

void TcpSocketControl::close() {
    ++generation_;
    connectTimer_.stop();
    if (socket_) {
        // A graceful close still sends what was written last ("50" before a disconnect);
        // the socket finishes on its own and goes away with the application at the latest.
        QTcpSocket* leaving = socket_.release();
        leaving->disconnect(this);
        leaving->setParent(QCoreApplication::instance());
        connect(leaving, &QAbstractSocket::disconnected, leaving, &QObject::deleteLater);
        if (leaving->state() == QAbstractSocket::ConnectedState) {
            leaving->disconnectFromHost();
        } else {
            leaving->abort(); // an attempt still under way would otherwise connect later
        }
        if (leaving->state() == QAbstractSocket::UnconnectedState) {
            leaving->deleteLater();
        }
    }
    server_.reset();
    state_ = State::Closed;
}

} // namespace tavelin
