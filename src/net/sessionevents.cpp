// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/gamediscovery.h"
#include "net/peermessages.h"
#include "toolkit/dialogs.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "window/boardaccessible.h"
#include "window/form1.h"
#include "window/narrator.h"

namespace tavelin {

void Form1::connectSockets() {
    connect(&wsListen, &TcpSocketControl::connectionRequest, this,
            [this](int id) { wsListen_ConnectionRequest(id); });
    connect(&wsClient, &PeerConnection::connected, this, [this] { wsClient_Connect(); });
    for (PeerConnection* connection : {&wsServer, &wsClient}) {
        connect(connection, &PeerConnection::greeted, this,
                [this](const QString& name) { TakeGreeting(name); });
        connect(connection, &PeerConnection::gone, this,
                [this](PeerConnection::Ending ending, const QString& reason) {
                    LoseConnection(ending, reason);
                });
    }
    connect(&wsServer, &PeerConnection::messageArrived, this,
            [this](const QString& message) { wsServer_DataArrival(message); });
    connect(&wsClient, &PeerConnection::messageArrived, this,
            [this](const QString& message) { wsClient_DataArrival(message); });
}

// One guest at a time: a further request is turned away, and the guest learns from a close
// before any greeting that this side is playing already.
void Form1::wsListen_ConnectionRequest(int requestID) {
    if (wsServer.inUse()) {
        wsListen.reject(requestID);
        return;
    }
    RequestID = requestID;
    wsServer.accept(RequestID);
    wsServer.send(Greeting());
}

void Form1::wsClient_Connect() {
    wsClient.send(Greeting());
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

void Form1::wsServer_DataArrival(const QString& message) {
    HandleReceivedText(message);
}

void Form1::wsClient_DataArrival(const QString& message) {
    HandleReceivedText(message);
}

// One message "42" to "50": the peer's move, a new game, or the peer leaving.
void Form1::HandleReceivedText(const QString& text) {
    ReceivedText = text;
    if (ReceivedText == QLatin1String("49")) {
        NewGame();
        narrator_->note(newGameSentence());
        return;
    }
    if (ReceivedText == QLatin1String("50")) {
        ShowMessage(tr("Disconnected"));
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

// The peer went away: a guest that never got in is told why; a game ends as if the peer had
// said "50". A host hears nothing of a connection that ended before its greeting.
void Form1::LoseConnection(PeerConnection::Ending ending, const QString& reason) {
    switch (ending) {
    case PeerConnection::Ending::Refused:
        if (connectFallbackLeft_) {
            connectFallbackLeft_ = false;
            wsClient.close();
            wsClient.connectTo(connectHost_, *platform_.network.fallback);
            break;
        }
        [[fallthrough]];
    case PeerConnection::Ending::Unreached:
        ReportConnectFailure(reason);
        break;
    case PeerConnection::Ending::Lost:
        ShowMessage(tr("Disconnected"));
        Disconnect();
        break;
    }
}

} // namespace tavelin
