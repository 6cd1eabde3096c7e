// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/socketlibrary.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;

namespace tavelin {

// One TCP socket control, as the game's three sockets use it: a listener that reports
// connection requests, or one connection (accepted or made) that sends and receives text.
//
// Texts travel one byte per character (Latin-1), nothing added. An operation that cannot be
// done in the control's current state does nothing: each is used only in its own state, and
// what fails in the network arrives as an error or peer-closed event. Events come from the
// event loop, never from inside the call that caused them, and each control's in order; after
// close() no event of the old connection is raised any more. They are the socket's own and
// come while a box is up too: whoever hands them to the game holds them back (PeerConnection).
class TcpSocketControl : public QObject {
    Q_OBJECT

public:
    enum class State { Closed, Listening, Connecting, Connected };
    // What an error event is about.
    enum class Failure {
        Connect,        // the connection could not be made
        ConnectRefused, // ... because nothing listens on that port of the peer's machine
        Connection,     // an established connection broke
    };

    // Listens through `sockets`, the seam where tests have the system refuse a port.
    explicit TcpSocketControl(SocketLibrary& sockets, QObject* parent = nullptr);
    ~TcpSocketControl() override;

    State state() const { return state_; }

    // The port the next listen uses.
    void setLocalPort(quint16 port) { localPort_ = port; }
    // Nothing when it listens, else why the system refused.
    std::optional<SocketLibrary::ListenRefusal> listen();
    void accept(int requestId);
    // Turns a connection request away: the requester sees its connection closed.
    void reject(int requestId);
    void connectTo(const QString& host, quint16 port);
    // A text for a connection that is gone is dropped: its loss has its own event.
    void sendData(const QString& text);
    // Everything received and not read yet.
    QString getData();
    // Closing a control that is not open does nothing.
    void close();

signals:
    void connectionRequest(int requestId);
    void connected();
    void dataArrival(qint64 bytesTotal);
    // With a reason the user can read.
    void errorOccurred(tavelin::TcpSocketControl::Failure failure, const QString& reason);
    // The peer closed the connection; never raised when this side closes.
    void peerClosed();

private:
    void raise(std::function<void()> event);
    void raiseError(Failure failure, const QString& reason);
    void raiseDataArrival();
    void adopt(QTcpSocket* socket, State state);
    void onNewConnections();
    void onSocketError();
    void onConnectTimeout();

    SocketLibrary& sockets_;
    State state_ = State::Closed;
    quint16 localPort_ = 0;
    int generation_ = 0; // bumped by close(): events of an older connection are dropped
    std::unique_ptr<QTcpServer> server_;
    std::unique_ptr<QTcpSocket> socket_;
    QTimer connectTimer_;
};

} // namespace tavelin
