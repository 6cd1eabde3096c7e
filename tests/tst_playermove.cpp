// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played through real clicks and keys on the window.
#include "support/testplatform.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"

#include <QApplication>
#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

class TestPlayerMove : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;

    // Columns as digits, each a click on that column's marker.
    void clickColumns(const QString& columns) {
        for (const QChar column : columns) {
            QTest::mouseClick(&form->Image1(42 + column.digitValue()), Qt::LeftButton);
        }
    }
    bool allMarkersHidden() const {
        for (int marker = 42; marker <= 48; ++marker) {
            if (form->markerVisible(marker)) {
                return false;
            }
        }
        return true;
    }

private slots:
    void init() {
        game = std::make_unique<TestGame>();
        form = game->form.get();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void onePlayerGame_data() {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QList<float>>("randomValues");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("finalBoard");

        // Row 1 is left open at both ends; the computer blocks only one of them.
        QTest::newRow("Red wins") << "2200331" << QList<float>{} << "You Win"
                                  << "BBRB...RRRR...B..R...R......B......B......";
        QTest::newRow("Blue wins") << "66600" << QList<float>{0.6F, 0.75F} << "You Lose"
                                   << "R.BBBBRR.....R......R......B..............";
    }
    void onePlayerGame() {
        QFETCH(QString, columns);
        QFETCH(QList<float>, randomValues);
        QFETCH(QString, message);
        QFETCH(QString, finalBoard);
        game->random.values.assign(randomValues.begin(), randomValues.end());
        bool overWhenShown = false;
        game->dialogs.whileShown = [&] {
            overWhenShown =
                form->GameActive == False && allMarkersHidden() && boardText(*form) == finalBoard;
        };

        clickColumns(columns);

        QCOMPARE(game->dialogs.shown,
                 QList<ShownMessage>({{message, Dialogs::Style::Plain, QString()}}));
        QVERIFY(overWhenShown);
        QCOMPARE(form->GameActive, False);
        QVERIFY(form->pointerShowsRed());
        form->Image1_Click(45); // the game is over: nothing more is played
        QCOMPARE(boardText(*form), finalBoard);

        form->mnusubGame().trigger(mnuNew);
        QCOMPARE(boardText(*form), QString(42, '.'));
        clickColumns("0");
        QVERIFY(form->cellHolds(3, CellContent::Blue)); // the opening move again
    }
    void twoPlayerGame_data() {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("redStartsNext");
        QTest::newRow("Red wins") << "0101010"
                                  << "Red Win" << true;
        QTest::newRow("Blue wins") << "01010121"
                                   << "Blue Win" << false;
    }
    void twoPlayerGame() {
        QFETCH(QString, columns);
        QFETCH(QString, message);
        QFETCH(bool, redStartsNext);
        form->mnusubGame().trigger(mnuTwoPlayers);

        clickColumns(columns.left(1));
        QVERIFY(!form->pointerShowsRed()); // Blue to move after Red's move
        clickColumns(columns.mid(1, 1));
        QVERIFY(form->pointerShowsRed());
        clickColumns(columns.mid(2));

        QCOMPARE(game->dialogs.texts(), QStringList{message});
        QCOMPARE(form->pointerShowsRed(), redStartsNext); // the winner keeps the pointer
        QCOMPARE(game->random.drawn, 0);                  // no computer here

        form->mnusubGame().trigger(mnuNew);
        clickColumns("3");
        QVERIFY(form->cellHolds(3, redStartsNext ? CellContent::Red : CellContent::Blue));
    }
    void fullBoardWithoutALineEndsNothing() {
        form->mnusubGame().trigger(mnuTwoPlayers);
        clickColumns("020000101111414222232333343644545556666565");
        QVERIFY(game->dialogs.shown.isEmpty());
        QVERIFY(allMarkersHidden());
        QCOMPARE(form->GameActive, True);
        QVERIFY(!boardText(*form).contains('.'));
        QTest::keyClick(form, Qt::Key_4); // no column left: nothing happens
        QVERIFY(game->dialogs.shown.isEmpty());
        form->mnusubGame().trigger(mnuNew);
        QVERIFY(!allMarkersHidden());
    }
    void clicksOnCellsAreNoMoves() {
        for (const int mode : {mnuOnePlayer, mnuTwoPlayers}) {
            form->mnusubGame().trigger(mode);
            QTest::mouseClick(&form->Image1(3), Qt::LeftButton);
            QTest::mouseClick(&form->Image1(38), Qt::LeftButton);
            QCOMPARE(boardText(*form), QString(42, '.'));
            QVERIFY(form->pointerShowsRed());
            QCOMPARE(form->RedTurn, True);
        }
    }
    void keyboardPlaysAsClicksWould() {
        form->mnusubGame().trigger(mnuTwoPlayers);
        QTest::keyClick(form, Qt::Key_7);
        QVERIFY(form->cellHolds(6, CellContent::Red));
        QTest::keyClick(form, Qt::Key_Right); // from no highlight: the first open column
        QTest::keyClick(form, Qt::Key_Right);
        QTest::keyClick(form, Qt::Key_Return);
        QVERIFY(form->cellHolds(1, CellContent::Blue));
        QTest::keyClick(form, Qt::Key_Left);
        QTest::keyClick(form, Qt::Key_Left);
        QTest::keyClick(form, Qt::Key_Left); // stays on the first column
        QTest::keyClick(form, Qt::Key_Space);
        QVERIFY(form->cellHolds(0, CellContent::Red));
        QTest::keyClick(form, Qt::Key_8); // no such column
        QTest::keyClick(form, Qt::Key_0);
        QCOMPARE(boardText(*form).count('.'), 39);

        setBoard(*form, "R......R......R......R......R......R......");
        form->makeMarkerPlain(42);
        form->RedTurn = True;
        QTest::keyClick(form, Qt::Key_Left); // from the right, skipping nothing
        QTest::keyClick(form, Qt::Key_1);    // column 0 is full: no move
        QCOMPARE(boardText(*form).count('R'), 6);
        form->highlightMarker(43);
        QTest::keyClick(form, Qt::Key_Left); // the full column is skipped: highlight stays
        QTest::keyClick(form, Qt::Key_Enter);
        QVERIFY(form->cellHolds(1, CellContent::Red));
    }
};

QTEST_MAIN(TestPlayerMove)
#include "tst_playermove.moc"
