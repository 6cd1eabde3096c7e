// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/gamediscovery.h"
#include "net/peermessages.h"
#include "toolkit/dialogs.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "window/boardaccessible.h"
#include "window/form1.h"
#include "window/narrator.h"

#include <QScopeGuard>

namespace tavelin {

void Form1::connectSockets() {
    connect(&wsListen, &TcpSocketControl::connectionRequest, this,
            [this](int id) { wsListen_ConnectionRequest(id); });
    connect(&wsClient, &TcpSocketControl::connected, this, [this] { wsClient_Connect(); });
    connect(&wsServer, &TcpSocketControl::dataArrival, this, [this] { wsServer_DataArrival(); });
    connect(&wsClient, &TcpSocketControl::dataArrival, this, [this] { wsClient_DataArrival(); });
    for (TcpSocketControl* socket : {&wsListen, &wsServer, &wsClient}) {
        connect(socket, &TcpSocketControl::errorOccurred, this,
                [this](TcpSocketControl::Failure failure, const QString& reason) {
                    OnSocketError(failure, reason);
                });
    }
    for (TcpSocketControl* socket : {&wsServer, &wsClient}) {
        connect(socket, &TcpSocketControl::peerClosed, this, [this] { LoseConnection(); });
    }
}

// One guest at a time: a further request is turned away and the game goes on undisturbed.
void Form1::wsListen_ConnectionRequest(int requestID) {
    if (wsServer.state() != TcpSocketControl::State::Closed) {
        wsListen.reject(requestID);
        return;
    }
    RequestID = requestID;
    wsServer.accept(RequestID);
    wsServer.expectDataWithin(platform_.network.greetingLimit);
    wsServer.sendData(Greeting());
}

// A host that accepts and then says nothing (a wrong port, a stalled program) is given up on
// as the host gives up on a silent guest.
void Form1::wsClient_Connect() {
    wsClient.sendData(Greeting());
    wsClient.expectDataWithin(platform_.network.greetingLimit);
}

// The name ends at a line feed, so that a move sent right after it is never read as part of
// it; a peer that shows names without control characters shows it as before. An empty name
// would send nothing at all, and the peer would wait for it forever.
QString Form1::Greeting() const {
    return GreetingName() + QLatin1Char('\n');
}

QString Form1::GreetingName() const {
    return LocalHostName.isEmpty() ? QStringLiteral("?") : LocalHostName;
}

void Form1::wsServer_DataArrival() {
    HandleReceivedText(wsServer.getData());
}

void Form1::wsClient_DataArrival() {
    HandleReceivedText(wsClient.getData());
}

// A greeting ends at its line feed, and what follows it is the peer's first messages. A peer
// that ends its greeting with nothing has all of its first arrival taken as its name.
void Form1::HandleReceivedText(const QString& text) {
    QString messages = text;
    if (AwaitingGreeting == True) {
        const qsizetype end = text.indexOf(u'\n');
        TakeGreeting(text.left(end));
        messages = end < 0 ? QString() : text.mid(end + 1);
    }
    unreadMessages_ += messages;
    // A "50" ends the session and drops whatever came after it: it belongs to no game.
    while (const std::optional<QString> message = takePeerMessage(unreadMessages_)) {
        ReceivedText = *message;
        HandlePeerMessage();
    }
}

// A host that has its guest is no longer offered to others.
void Form1::TakeGreeting(const QString& text) {
    platform_.discovery.withdraw();
    ReceivedText = sanitizeGreeting(text);
    //: %1 is this computer's name, %2 the other player's
    SetStatus(tr("%1 Connected %2").arg(LocalHostName, ReceivedText));
    GameActive = True;
    ShowKeyboardColumn();
    if (!IsHost()) {
        setMouseIcon(imgBico);
    }
    AwaitingGreeting = False;
    mnusubGame().setEnabled(mnuNew, true);
}

// One message "42" to "50": the peer's move, a new game, or the peer leaving. The move is told
// once it is played.
void Form1::HandlePeerMessage() {
    const auto tellMove = qScopeGuard([this] { narrator_->tellNoted(); });
    if (ReceivedText == QLatin1String("49")) {
        NewGame();
        narrator_->note(newGameSentence());
        return;
    }
    if (ReceivedText == QLatin1String("50")) {
        platform_.dialogs.msgBox(tr("Disconnected"));
        mnusubGame_Click(mnuDisconnect);
        return;
    }
    const int marker = ReceivedText.toInt();
    // Once the game is over here, a move the peer made at the same moment places nothing;
    // without this check the finished board would be announced again as "You Lose".
    if (!showsMarkerPicture(marker) || !AnyColumnOpen()) {
        return;
    }
    // A peer moves once per move of ours, or first: a second move in a row would let it win alone.
    if (peerMovedLast_) {
        return;
    }
    // The peer's piece is the peer's colour, whatever this side's clicks did to the turn.
    const bool host = IsHost();
    RedTurn = toBool16(!host);
    DropPiece(marker);
    peerMovedLast_ = true;
    if (YouWin() == True) {
        ShowResult(tr("You Lose"));
        return;
    }
    RedTurn = toBool16(host);
    GameActive = True;
    ShowKeyboardColumn();
}

void Form1::ReportConnectFailure(const QString& reason) {
    ReportSessionFailure(tr("Cannot connect to %1: %2").arg(RemoteAddress, reason));
}

void Form1::OnSocketError(TcpSocketControl::Failure failure, const QString& reason) {
    switch (failure) {
    case TcpSocketControl::Failure::Listen:
        ReportSessionFailure(
            tr("Cannot wait for a connection on port %1: %2").arg(listenPort_).arg(reason));
        break;
    case TcpSocketControl::Failure::ListenPrivileged:
        if (platform_.network.fallback && listenPort_ != *platform_.network.fallback) {
            ListenOn(*platform_.network.fallback);
            break;
        }
        ReportSessionFailure(
            tr("Cannot wait for a connection on port %1: %2\n\nPorts below 1024 are reserved "
               "for the administrator on this computer. Start Tavelin with --port and a "
               "number of 1024 or more (for example: tavelin --port 10007); the other player "
               "connects to that port, typing the address as address:port.")
                .arg(listenPort_)
                .arg(reason));
        break;
    case TcpSocketControl::Failure::ConnectRefused:
        if (connectFallbackLeft_) {
            connectFallbackLeft_ = false;
            wsClient.close();
            wsClient.connectTo(connectHost_, *platform_.network.fallback);
            break;
        }
        [[fallthrough]];
    case TcpSocketControl::Failure::Connect:
        ReportConnectFailure(reason);
        break;
    case TcpSocketControl::Failure::Connection:
        // A host that never greeted was never really reached.
        if (!IsHost() && AwaitingGreeting == True) {
            ReportConnectFailure(reason);
            break;
        }
        LoseConnection();
        break;
    }
}

} // namespace tavelin
