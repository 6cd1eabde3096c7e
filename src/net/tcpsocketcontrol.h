// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;

namespace tavelin {

class SocketLibrary;

// One TCP socket control, as the game's three sockets use it: a listener that reports
// connection requests, or one connection (accepted or made) that sends and receives text.
//
// Texts travel one byte per character (Latin-1), nothing added. An operation that cannot be
// done in the control's current state does nothing: each is used only in its own state, and
// what fails in the network arrives as an error or peer-closed event. Events are raised
// through the HandlerGate, so they never run inside another handler, and each control's
// events arrive in order; after close() no event of the old connection is raised any more.
class TcpSocketControl : public QObject {
    Q_OBJECT

public:
    enum class State { Closed, Listening, Connecting, Connected };
    // What an error event is about.
    enum class Failure {
        Listen,           // the system refused to listen on the port
        ListenPrivileged, // ... because the port is reserved for the administrator
        Connect,          // the connection could not be made
        ConnectRefused,   // ... because nothing listens on that port of the peer's machine
        Connection,       // an established connection broke
    };

    // Listens through `sockets`, the seam where tests have the system refuse a port.
    explicit TcpSocketControl(SocketLibrary& sockets, QObject* parent = nullptr);
    ~TcpSocketControl() override;

    State state() const { return state_; }

    // The port the next listen uses.
    void setLocalPort(quint16 port) { localPort_ = port; }
    void listen();
    void accept(int requestId);
    // Turns a connection request away: the requester sees its connection closed.
    void reject(int requestId);
    void connectTo(const QString& host, quint16 port);
    // A text for a connection that is gone is dropped: its loss has its own event.
    void sendData(const QString& text);
    // Raises a Connection error when nothing arrives within `limit`: a peer that is to speak
    // first and stays silent would hold the connection for nothing.
    void expectDataWithin(std::chrono::milliseconds limit);
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
    QTimer silenceTimer_;
};

} // namespace tavelin
