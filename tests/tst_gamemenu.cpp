// SPDX-License-Identifier: GPL-3.0-or-later
// New game and the Game menu's modes.
#include "support/loopback.h"
#include "support/testplatform.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"

#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

using Items = QList<int>;

class TestGameMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;

private slots:
    void init() {
        game = std::make_unique<TestGame>(freePort());
        form = game->form.get();
    }

    void menuTable_data() {
        QTest::addColumn<Items>("before"); // commands chosen first
        QTest::addColumn<int>("command");
        QTest::addColumn<Items>("checked");
        QTest::addColumn<Items>("disabled");

        QTest::newRow("one player at start")
            << Items{} << int{mnuOnePlayer} << Items{mnuOnePlayer} << Items{mnuDisconnect};
        QTest::newRow("two players at start")
            << Items{} << int{mnuTwoPlayers} << Items{mnuTwoPlayers} << Items{mnuDisconnect};
        QTest::newRow("back to one player") << Items{mnuTwoPlayers} << int{mnuOnePlayer}
                                            << Items{mnuOnePlayer} << Items{mnuDisconnect};
        QTest::newRow("two players again") << Items{mnuTwoPlayers} << int{mnuTwoPlayers}
                                           << Items{mnuTwoPlayers} << Items{mnuDisconnect};
        QTest::newRow("wait for connection")
            << Items{} << int{mnuWaitForConnection} << Items{mnuWaitForConnection}
            << Items{mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuConnectToOpponent};
        QTest::newRow("wait again: nothing")
            << Items{mnuWaitForConnection} << int{mnuWaitForConnection}
            << Items{mnuWaitForConnection}
            << Items{mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuConnectToOpponent};
        QTest::newRow("connect to opponent")
            << Items{mnuTwoPlayers} << int{mnuConnectToOpponent} << Items{mnuConnectToOpponent}
            << Items{mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection};
        QTest::newRow("disconnect while waiting")
            << Items{mnuWaitForConnection} << int{mnuDisconnect} << Items{mnuOnePlayer}
            << Items{mnuDisconnect};
        QTest::newRow("disconnect while connecting")
            << Items{mnuConnectToOpponent} << int{mnuDisconnect} << Items{mnuOnePlayer}
            << Items{mnuDisconnect};
    }
    void menuTable() {
        QFETCH(Items, before);
        QFETCH(int, command);
        QFETCH(Items, checked);
        QFETCH(Items, disabled);
        for (const int earlier : before) {
            form->mnusubGame_Click(earlier);
        }
        form->mnusubGame_Click(command);
        QCOMPARE(checkedItems(*form), checked);
        QCOMPARE(disabledCommands(*form), disabled);
    }
    void modeChoiceStartsANewGame_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("one player") << 3;
        QTest::newRow("two players") << 4;
        QTest::newRow("disconnect") << 9;
    }
    void modeChoiceStartsANewGame() {
        QFETCH(int, command);
        form->mnusubGame_Click(mnuWaitForConnection);
        setBoard(*form, "RB");
        form->ComputerTurn = False;
        QCOMPARE(form->wsListen.state(), TcpSocketControl::State::Listening);

        form->mnusubGame_Click(command);

        QCOMPARE(boardText(*form), QString(42, '.'));
        QCOMPARE(form->GameActive, True);
        QCOMPARE(form->ComputerTurn, True);
        QCOMPARE(form->Label1().text(), QString());
        QCOMPARE(form->Label2().text(), QString());
        QCOMPARE(form->wsListen.state(), TcpSocketControl::State::Closed);
    }
    void twoPlayerGameStartsWithThePointersSide_data() {
        QTest::addColumn<bool>("pointerRed");
        QTest::addColumn<Bool16>("redTurn");
        // After a win the pointer shows the winner; after New mid-game, the side to move.
        QTest::newRow("blue won or blue to move") << false << False;
        QTest::newRow("red won or red to move") << true << True;
    }
    void twoPlayerGameStartsWithThePointersSide() {
        QFETCH(bool, pointerRed);
        QFETCH(Bool16, redTurn);
        form->mnusubGame_Click(mnuTwoPlayers);
        form->setMouseIcon(pointerRed ? form->imgRico : form->imgBico);
        form->RedTurn = pointerRed ? False : True; // whatever it was, the pointer decides

        form->mnusubGame_Click(mnuNew);

        QCOMPARE(form->RedTurn, redTurn);
        QCOMPARE(form->pointerShowsRed(), pointerRed);

        form->mnusubGame_Click(mnuOnePlayer); // one player: always Red, red pointer
        QCOMPARE(form->RedTurn, True);
        QVERIFY(form->pointerShowsRed());
    }
    void newGameBringsBackTheOpeningMove() {
        form->FirstComputerMove = False;
        setBoard(*form, "R..B");
        form->mnusubGame_Click(mnuNew);
        QCOMPARE(form->FirstComputerMove, True);
        QCOMPARE(boardText(*form), QString(42, '.'));
    }
    void newWhileConnectingWithoutPeerStillResets() {
        form->mnusubGame().setChecked(mnuOnePlayer, false);
        form->mnusubGame().setChecked(mnuConnectToOpponent, true);
        setBoard(*form, "RB");
        form->GameActive = False;

        form->mnusubGame_Click(mnuNew); // "49" cannot be sent: nobody is connected

        QCOMPARE(boardText(*form), QString(42, '.'));
        QCOMPARE(form->GameActive, True);
        QVERIFY(!form->pointerShowsRed()); // the guest plays Blue
        QCOMPARE(form->MoveText, QString("49"));
        QVERIFY(game->dialogs.shown.isEmpty());
    }
    void headingsAndSeparatorsDoNothing() {
        setBoard(*form, "RB");
        for (const int index : {1, 2, 5, 6}) {
            form->mnusubGame_Click(index);
        }
        QCOMPARE(boardText(*form), "RB" + QString(40, '.'));
        QCOMPARE(checkedItems(*form), Items{mnuOnePlayer});
    }
    void menuClicksReachTheHandlerOnlyWhenEnabled() {
        form->mnusubGame().trigger(mnuTwoPlayers);
        QCOMPARE(checkedItems(*form),
                 Items{mnuTwoPlayers}); // no check mark toggled behind the handler's back
        form->mnusubGame().trigger(mnuTwoPlayers);
        QCOMPARE(checkedItems(*form), Items{mnuTwoPlayers});
        form->mnusubGame().setEnabled(mnuOnePlayer, false);
        form->mnusubGame().trigger(mnuOnePlayer);
        QCOMPARE(checkedItems(*form), Items{mnuTwoPlayers});
    }
};

QTEST_MAIN(TestGameMenu)
#include "tst_gamemenu.moc"
