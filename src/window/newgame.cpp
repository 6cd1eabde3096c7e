// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/randomsequence.h"
#include "window/boardaccessible.h"
#include "window/form1.h"
#include "window/narrator.h"

namespace tavelin {

void Form1::Form_Load() {
    platform_.random.seedFromClock();
    setMouseIcon(imgRico);
    // Markers start plain rather than blank: a move from the network peer is played only
    // under a marker that shows a marker picture, and the mouse may not have moved yet.
    for (const int marker : board::markers) {
        makeMarkerPlain(marker);
    }
    NewGame();
}

void Form1::NewGame() {
    for (int cell = 0; cell < board::cellCount; ++cell) {
        setCell(cell, CellContent::Empty);
    }
    clearMarks();
    narrator_->forgetNoted(); // nothing of the last game is left to tell
    for (const int marker : board::markers) {
        tellColumnChanged(Image1(marker));
        showMarker(marker);
    }
    GameActive = True;
    ShowKeyboardColumn();
    FirstComputerMove = True;
    peerMovedLast_ = false; // after "49" either side may move first
    switch (checkedMode()) {
    case PlayMode::OnePlayer:
    case PlayMode::WaitingForConnection: // the host plays Red
        RedTurn = True;
        setMouseIcon(imgRico);
        break;
    case PlayMode::TwoPlayers:
        // The side the pointer shows starts: the winner after a win, else the side to move.
        RedTurn = toBool16(pointerShowsRed());
        break;
    case PlayMode::ConnectToOpponent:
        // The guest plays Blue; a host move that arrives first still drops Red.
        RedTurn = True;
        setMouseIcon(imgBico);
        break;
    case PlayMode::None:
        break;
    }
}

PlayMode Form1::checkedMode() const {
    if (mnusubGame_->checked(mnuOnePlayer)) {
        return PlayMode::OnePlayer;
    }
    if (mnusubGame_->checked(mnuTwoPlayers)) {
        return PlayMode::TwoPlayers;
    }
    if (mnusubGame_->checked(mnuWaitForConnection)) {
        return PlayMode::WaitingForConnection;
    }
    if (mnusubGame_->checked(mnuConnectToOpponent)) {
        return PlayMode::ConnectToOpponent;
    }
    return PlayMode::None;
}

void Form1::mnusubGame_Click(int Index) {
    switch (Index) {
    case mnuNew:
        NewGame();
        SendToPeer(QStringLiteral("49")); // outside a session, nobody to tell
        break;
    case mnuOnePlayer:
    case mnuTwoPlayers:
        ChooseNormalMode(Index);
        break;
    case mnuWaitForConnection:
        WaitForConnection();
        break;
    case mnuConnectToOpponent:
        ConnectToOpponent();
        break;
    case mnuDisconnect:
        Disconnect();
        break;
    default: // separators and headings
        break;
    }
}

// Choosing a mode, even the one already checked, starts a new game and ends any session.
void Form1::ChooseNormalMode(int Index) {
    MenuItemArray& menu = mnusubGame();
    menu.setEnabled(mnuNew, true);
    menu.setChecked(mnuOnePlayer, Index == mnuOnePlayer);
    menu.setChecked(mnuTwoPlayers, Index == mnuTwoPlayers);
    menu.setChecked(mnuWaitForConnection, false);
    menu.setEnabled(mnuWaitForConnection, true);
    menu.setChecked(mnuConnectToOpponent, false);
    menu.setEnabled(mnuConnectToOpponent, true);
    NewGame();
    ComputerTurn = True;
    Label1().clear();
    Label2().clear();
    CloseSockets();
}

} // namespace tavelin
