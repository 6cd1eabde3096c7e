// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/peerconnection.h"

#include "net/peermessages.h"
#include "toolkit/handlergate.h"

#include <QPointer>

namespace tavelin {

namespace {
// No host name is longer: more without a line feed is a peer that never sends one.
constexpr qsizetype longestGreeting = 256;
} // namespace

PeerConnection::PeerConnection(SocketLibrary& sockets, std::chrono::milliseconds greetingLimit,
                               std::chrono::milliseconds greetingQuiet)
    : socket_(sockets) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(greetingLimit);
    connect(&deadline_, &QTimer::timeout, this,
            [this] { end(Ending::Unreached, tr("The other side sent nothing in time.")); });
    quiet_.setSingleShot(true);
    quiet_.setInterval(greetingQuiet);
    connect(&quiet_, &QTimer::timeout, this, [this] { takeGreeting(unread_.size()); });
    connect(&socket_, &TcpSocketControl::connected, this, [this] {
        deadline_.start();
        emit connected();
    });
    connect(&socket_, &TcpSocketControl::dataArrival, this, [this] { receive(socket_.getData()); });
    connect(&socket_, &TcpSocketControl::peerClosed, this, [this] {
        end(greeted_ ? Ending::Lost : Ending::Unreached,
            tr("The other side is already playing, or closed the connection before greeting."));
    });
    connect(&socket_, &TcpSocketControl::errorOccurred, this, &PeerConnection::onSocketError);
}

void PeerConnection::accept(int requestId) {
    socket_.accept(requestId);
    accepted_ = socket_.state() == TcpSocketControl::State::Connected;
    if (accepted_) {
        deadline_.start();
    }
}

void PeerConnection::connectTo(const QString& host, quint16 port) {
    socket_.connectTo(host, port);
}

bool PeerConnection::inUse() const {
    return socket_.state() != TcpSocketControl::State::Closed || ended_;
}

void PeerConnection::send(const QString& text) {
    socket_.sendData(text);
}

void PeerConnection::receive(const QString& text) {
    unread_ += text;
    if (!greeted_) {
        const qsizetype end = unread_.indexOf(u'\n');
        if (end >= 0) {
            takeGreeting(end);
        } else if (unread_.size() > longestGreeting) {
            takeGreeting(unread_.size());
        } else {
            quiet_.start();
            return;
        }
    }
    while (const std::optional<QString> message = takePeerMessage(unread_)) {
        post([this, message = *message] { emit messageArrived(message); });
    }
}

// The name, then its line feed if it has one.
void PeerConnection::takeGreeting(qsizetype length) {
    deadline_.stop();
    quiet_.stop();
    greeted_ = true;
    const QString name = unread_.left(length);
    unread_.remove(0, length + 1);
    post([this, name] { emit greeted(name); });
}

void PeerConnection::onSocketError(TcpSocketControl::Failure failure, const QString& reason) {
    switch (failure) {
    case TcpSocketControl::Failure::ConnectRefused:
        end(Ending::Refused, reason);
        break;
    case TcpSocketControl::Failure::Connect:
        end(Ending::Unreached, reason);
        break;
    case TcpSocketControl::Failure::Connection:
        end(greeted_ ? Ending::Lost : Ending::Unreached, reason);
        break;
    }
}

// Nothing more is read; what was read before the end still reaches the game, then the end.
void PeerConnection::end(Ending ending, const QString& reason) {
    if (accepted_ && !greeted_) {
        close();
        return;
    }
    deadline_.stop();
    quiet_.stop();
    socket_.close();
    ended_ = true;
    post([this, ending, reason] { emit gone(ending, reason); });
}

void PeerConnection::post(std::function<void()> event) {
    HandlerGate::post([self = QPointer(this), generation = generation_, event = std::move(event)] {
        if (self && self->generation_ == generation) {
            event();
        }
    });
}

void PeerConnection::close() {
    ++generation_;
    socket_.close();
    deadline_.stop();
    quiet_.stop();
    unread_.clear();
    accepted_ = false;
    greeted_ = false;
    ended_ = false;
}

} // namespace tavelin
