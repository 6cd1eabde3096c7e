#include "net/tcpsocketcontrol.h"

#include "toolkit/handlergate.h"

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
// 15 s of silence plus 6 unanswered probes 5 s apart: well within a minute.
constexpr int keepAliveIdleSeconds = 15;
constexpr int keepAliveIntervalSeconds = 5;
constexpr int keepAliveProbes = 6;
constexpr int connectTimeoutMs = 15000;

// Connection requests waiting for an accept, by request identifier. A listener may be closed
// before the request is accepted; the QPointer then reads null.
QHash<int, QPointer<QTcpSocket>>& pendingRequests() {
    static QHash<int, QPointer<QTcpSocket>> pending;
    return pending;
}

int nextRequestId() {
    static int last = 0;
    return ++last;
}

void tuneConnection(QTcpSocket& socket) {
    // A move is two bytes: send it at once instead of waiting to fill a segment.
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    const auto fd = static_cast<int>(socket.socketDescriptor());
    for (const auto& [option, value] : {std::pair{TCP_KEEPIDLE, keepAliveIdleSeconds},
                                        std::pair{TCP_KEEPINTVL, keepAliveIntervalSeconds},
                                        std::pair{TCP_KEEPCNT, keepAliveProbes}}) {
        setsockopt(fd, IPPROTO_TCP, option, &value, sizeof value);
    }
}

} // namespace

TcpSocketControl::TcpSocketControl(QObject* parent) : QObject(parent) {
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
    HandlerGate::post([self = QPointer(this), generation = generation_, event = std::move(event)] {
        if (self && self->generation_ == generation) {
            event();
        }
    });
}

bool TcpSocketControl::setLocalPort(quint16 port) {
    if (state_ != State::Closed) {
        return false;
    }
    localPort_ = port;
    return true;
}

bool TcpSocketControl::listen() {
    if (state_ != State::Closed) {
        return false;
    }
    server_ = std::make_unique<QTcpServer>();
    if (!server_->listen(QHostAddress::Any, localPort_)) {
        raiseError(server_->serverError() == QAbstractSocket::SocketAccessError
                       ? Failure::ListenPrivileged
                       : Failure::Listen,
                   server_->errorString());
        server_.reset();
        return true;
    }
    state_ = State::Listening;
    connect(server_.get(), &QTcpServer::newConnection, this, &TcpSocketControl::onNewConnections);
    return true;
}

void TcpSocketControl::onNewConnections() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        const int id = nextRequestId();
        pendingRequests().insert(id, socket);
        raise([this, id] { emit connectionRequest(id); });
    }
}

bool TcpSocketControl::accept(int requestId) {
    const QPointer<QTcpSocket> socket = pendingRequests().take(requestId);
    if (state_ != State::Closed || !socket || socket->state() != QAbstractSocket::ConnectedState) {
        return false;
    }
    socket->setParent(nullptr);
    adopt(socket, State::Connected);
    raiseDataArrival(); // data may have come before the accept: told like any other
    return true;
}

void TcpSocketControl::reject(int requestId) {
    if (const QPointer<QTcpSocket> socket = pendingRequests().take(requestId)) {
        socket->abort();
        socket->deleteLater();
    }
}

bool TcpSocketControl::connectTo(const QString& host, quint16 port) {
    if (state_ != State::Closed) {
        return false;
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
    return true;
}

void TcpSocketControl::adopt(QTcpSocket* socket, State state) {
    socket_.reset(socket);
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
    raiseError(state_ == State::Connected ? Failure::Connection : Failure::Connect,
               socket_->errorString());
}

void TcpSocketControl::onConnectTimeout() {
    socket_->disconnect(this);
    socket_->abort();
    raiseError(Failure::Connect, tr("The connection attempt timed out."));
}

bool TcpSocketControl::sendData(const QString& text) {
    if (state_ != State::Connected || socket_->state() != QAbstractSocket::ConnectedState) {
        return false;
    }
    if (socket_->write(text.toLatin1()) < 0) {
        return false;
    }
    socket_->flush(); // hand it to the network now, not on the next turn of the event loop
    return true;
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
        leaving->disconnectFromHost();
        if (leaving->state() == QAbstractSocket::UnconnectedState) {
            leaving->deleteLater();
        }
    }
    server_.reset();
    state_ = State::Closed;
}

} // namespace tavelin
