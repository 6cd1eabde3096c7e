// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/dialogs.h"
#include "window/boardaccessible.h"
#include "window/form1.h"
#include "window/narrator.h"
#include "window/piecefalls.h"

namespace tavelin {

// A click on a column marker is a move; what follows it depends on the mode of play.
void Form1::Image1_Click(int Index) {
    if (GameActive != True) {
        return;
    }
    pieceFalls_->finish(); // the player is quicker than the pieces: they wait for nobody
    switch (checkedMode()) {
    case PlayMode::OnePlayer:
        PlayAgainstComputer(Index);
        break;
    case PlayMode::TwoPlayers:
        PlayTwoPlayerMove(Index);
        break;
    case PlayMode::WaitingForConnection:
    case PlayMode::ConnectToOpponent:
        PlayNetworkMove(Index);
        break;
    case PlayMode::None:
        break;
    }
}

// Red's move, then the computer's Blue reply. Only markers are moves, never board cells.
void Form1::PlayAgainstComputer(int Index) {
    if (!board::isMarker(Index)) {
        return;
    }
    if (RedTurn == True) {
        DropPiece(Index);
        if (YouWin() == True) {
            ShowResult(tr("You Win"));
            GameActive = False;
            return;
        }
    }
    RedTurn = False;
    ComputerTurn = True;
    TryWinStraight();
    if (YouWin() == True) {
        ShowResult(tr("You Lose"));
        GameActive = False;
    }
}

// This side's piece (Red on the host, Blue on the guest) goes to the peer; then this side waits
// for the peer's answer. A connection that is gone tells so by its own event.
void Form1::PlayNetworkMove(int Index) {
    if (!showsMarkerPicture(Index)) {
        return; // a board cell: no move, and nothing changes
    }
    const bool host = IsHost();
    RedTurn = toBool16(host);
    DropPiece(Index);
    peerMovedLast_ = false;
    SendToPeer(QString::number(Index));
    RedTurn = toBool16(!host);
    if (YouWin() == True) {
        ShowResult(tr("You Win"));
    }
    GameActive = False;
}

// The side to move drops its piece; after a win the turn and the pointer stay with the
// winner, so that the winner starts the next game.
void Form1::PlayTwoPlayerMove(int Index) {
    if (!board::isMarker(Index)) {
        return;
    }
    DropPiece(Index);
    if (YouWin() == True) {
        ShowResult(RedTurn == True ? tr("Red Win") : tr("Blue Win"));
        GameActive = False;
        return;
    }
    const bool redMoved = RedTurn == True;
    RedTurn = toBool16(!redMoved);
    setMouseIcon(redMoved ? imgBico : imgRico);
    if (AnyColumnOpen()) { // after a draw nobody is to play
        narrator_->note(turnSentence(redMoved ? CellContent::Blue : CellContent::Red));
    }
}

void Form1::ShowMessage(const QString& text, Dialogs::Style style, const QString& title) {
    narrator_->tellNoted();
    platform_.dialogs.msgBox(text, style, title);
}

void Form1::ShowResult(const QString& text) {
    ShowMessage(text);
    pieceFalls_->finish(); // the last piece may have fallen behind the box: it is in place now
}

} // namespace tavelin
