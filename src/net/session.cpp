// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/gamediscovery.h"
#include "net/peermessages.h"
#include "toolkit/dialogs.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "window/form1.h"
#include "window/narrator.h"

namespace tavelin {

// The host: plays Red, shows its name and address, and waits for a guest on the port.
void Form1::WaitForConnection() {
    if (mnusubGame().checked(mnuWaitForConnection)) {
        return;
    }
    CheckSessionMode(mnuWaitForConnection);
    NewGame();
    GameActive = False;
    //: %1 is this computer's name
    SetStatus(tr("%1 Waiting...").arg(GetIPHostName()));
    shownAddress_.clear();
    GetIPAddress();
    AwaitingGreeting = True;
    ListenOn(platform_.network.port); // last: a port refused ends the session here
}

void Form1::ListenOn(quint16 port) {
    listenPort_ = port;
    ShowAddress();
    wsListen.setLocalPort(port);
    if (const std::optional<SocketLibrary::ListenRefusal> refusal = wsListen.listen()) {
        ReportListenRefusal(*refusal);
        return;
    }
    AdvertiseGame();
}

// Guests on the local network find the host under the name it greets them with, on the port it
// actually listens on, for as long as it waits for one.
void Form1::AdvertiseGame() {
    platform_.discovery.advertise(GreetingName(), listenPort_);
}

// A port reserved for the administrator is traded for the fallback where there is one.
void Form1::ReportListenRefusal(const SocketLibrary::ListenRefusal& refusal) {
    if (!refusal.privileged) {
        ReportSessionFailure(
            tr("Cannot wait for a connection on port %1: %2").arg(listenPort_).arg(refusal.reason));
        return;
    }
    if (platform_.network.fallback && listenPort_ != *platform_.network.fallback) {
        ListenOn(*platform_.network.fallback);
        return;
    }
    ReportSessionFailure(
        tr("Cannot wait for a connection on port %1: %2\n\nPorts below 1024 are reserved "
           "for the administrator on this computer. Start Tavelin with --port and a "
           "number of 1024 or more (for example: tavelin --port 10007); the other player "
           "connects to that port, typing the address as address:port.")
            .arg(listenPort_)
            .arg(refusal.reason));
}

// The guest needs the port only when it is not the usual one; the address may still be on its
// way.
void Form1::ShowAddress() {
    const QString portSuffix =
        listenPort_ == NetworkSettings::defaultPort || shownAddress_.isEmpty()
            ? QString()
            : QStringLiteral(":%1").arg(listenPort_);
    //: %1 is this computer's address, with its port where that is not the usual one
    Label2().setText(tr("IP Address %1").arg(shownAddress_ + portSuffix));
}

// The guest: plays Blue and connects to the address its player types.
void Form1::ConnectToOpponent() {
    if (mnusubGame().checked(mnuConnectToOpponent)) {
        return;
    }
    CheckSessionMode(mnuConnectToOpponent);
    NewGame();
    RemoteAddress = platform_.dialogs.addressBox(tr("Input IP Address to Connect"),
                                                 QStringLiteral("0.0.0.0"), platform_.discovery);
    GameActive = False;
    AwaitingGreeting = True;
    if (RemoteAddress.trimmed().isEmpty()) {
        Disconnect(); // the player cancelled
        return;
    }
    const std::optional<PeerAddress> peer = parsePeerAddress(RemoteAddress);
    if (!peer) {
        ReportSessionFailure(
            tr("\"%1\" is no address to connect to. Type an address such as 192.168.1.20, "
               "192.168.1.20:1007 or [fe80::1]:1007.")
                .arg(RemoteAddress));
        return;
    }
    connectHost_ = peer->host;
    connectFallbackLeft_ = !peer->port && platform_.network.fallback;
    wsClient.connectTo(peer->host, peer->port.value_or(platform_.network.port));
    //: %1 is this computer's name
    SetStatus(tr("%1 Connecting...").arg(GetIPHostName()));
    Label2().clear();
}

// Checks the session's mode and locks the other modes until "Disconnect". "New" waits for the
// peer's greeting, as the board does: a game that one side starts alone is one the other side
// never hears of.
void Form1::CheckSessionMode(int sessionItem) {
    MenuItemArray& menu = mnusubGame();
    menu.setEnabled(mnuNew, false);
    for (const int mode :
         {mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection, mnuConnectToOpponent}) {
        if (mode != sessionItem) {
            menu.setChecked(mode, false);
            menu.setEnabled(mode, false);
        }
    }
    menu.setChecked(sessionItem, true);
    menu.setEnabled(mnuDisconnect, true);
    farewellSaid_ = false;
}

// Tells the peer this side is leaving, then back to one player.
void Form1::Disconnect() {
    SayFarewell();
    CloseSockets();
    MenuItemArray& menu = mnusubGame();
    for (const int item :
         {mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection, mnuConnectToOpponent}) {
        menu.setEnabled(item, true);
    }
    menu.setEnabled(mnuDisconnect, false);
    mnusubGame_Click(mnuOnePlayer);
}

// A session that cannot begin is told with its reason, never left standing as "Waiting...".
void Form1::ReportSessionFailure(const QString& text) {
    ShowMessage(text, Dialogs::Style::Exclamation);
    Disconnect();
}

// Whatever a session still has under way ends here: its offer on the network, its connections,
// with what arrived from them unread, and a look-up of this machine's address.
void Form1::CloseSockets() {
    platform_.discovery.withdraw();
    wsListen.close();
    wsServer.close();
    wsClient.close();
    ++addressLookups_;
}

void Form1::SetStatus(const QString& text) {
    Label1().setText(text);
    narrator_->note(text);
}

// The peer hears of it, and nothing it sends after that reaches a closing window.
void Form1::Form_Unload() {
    SayFarewell();
    CloseSockets();
}

// Only a peer that has greeted us is in a game to leave, and it is told once; one that is gone
// already misses it.
void Form1::SayFarewell() {
    if (AwaitingGreeting == False && !farewellSaid_) {
        farewellSaid_ = true;
        SendToPeer(QStringLiteral("50"));
    }
}

} // namespace tavelin
