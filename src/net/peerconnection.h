// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/tcpsocketcontrol.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

namespace tavelin {

class SocketLibrary;

// One connection to the peer, accepted by the host or made by the guest, from its first byte to
// its end. It reads the peer's greeting up to its line feed, however the bytes are cut on their
// way, then cuts what follows into whole messages, and it gives the peer a deadline to greet.
// An older peer ends its greeting with nothing: once it has been quiet for a moment, what has
// come is its name.
//
// That is the connection's own business and goes on while a box is up. What the game is to
// make of it (the greeting, a message, the end) is posted through the HandlerGate, in order;
// what is still waiting when the connection is closed is dropped.
class PeerConnection : public QObject {
    Q_OBJECT

public:
    enum class Ending {
        Refused,   // nothing listens on that port at the address connected to
        Unreached, // no connection, or one that ended before the peer greeted
        Lost,      // the peer greeted, then the connection ended
    };

    // `greetingLimit`: how long the peer has to greet; `greetingQuiet`: how long a greeting
    // without its line feed waits for more before it is taken whole.
    PeerConnection(SocketLibrary& sockets, std::chrono::milliseconds greetingLimit,
                   std::chrono::milliseconds greetingQuiet);

    // The host's side: the connection request becomes this connection. One that ends before
    // its greeting was no guest (a port scan, a stalled program): it is let go without a word.
    void accept(int requestId);
    // The guest's side.
    void connectTo(const QString& host, quint16 port);
    // Until it is closed, even once it has ended.
    bool inUse() const;
    void send(const QString& text);
    // What the socket delivered, in the order it came; tests stand in for the socket here.
    void receive(const QString& text);
    // Closing a connection that is not in use does nothing.
    void close();

signals:
    // The guest's connection is made: raised at once, not through the HandlerGate.
    void connected();
    // Through the HandlerGate:
    void greeted(const QString& name);
    void messageArrived(const QString& message);
    void gone(tavelin::PeerConnection::Ending ending, const QString& reason);

private:
    void takeGreeting(qsizetype length);
    void end(Ending ending, const QString& reason);
    void onSocketError(TcpSocketControl::Failure failure, const QString& reason);
    void post(std::function<void()> event);

    TcpSocketControl socket_;
    QTimer deadline_; // for the greeting
    QTimer quiet_;    // since the last piece of a greeting without its line feed
    QString unread_;  // a greeting or a message whose rest has not come yet
    bool accepted_ = false;
    bool greeted_ = false;
    bool ended_ = false;
    int generation_ = 0; // bumped by close(): what an older connection posted is dropped
};

} // namespace tavelin
