// SPDX-License-Identifier: GPL-3.0-or-later
// The piece drop and the win check, on the real window's picture controls.
#include "support/testplatform.h"
#include "toolkit/picturebox.h"

#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

class TestBoard : public QObject {
    Q_OBJECT

    TestGame game;
    Form1& form = *game.form;

    void resetBoard(const QString& cells) {
        form.NewGame();
        setBoard(form, cells);
    }

private slots:
    void drop_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QList<int>>("hiddenMarkers");
        QTest::addColumn<int>("marker");
        QTest::addColumn<Bool16>("redTurn");
        QTest::addColumn<Bool16>("gameActive");
        QTest::addColumn<int>("landsIn"); // -1: nothing placed
        QTest::addColumn<bool>("markerHidden");

        const QString empty(42, '.');
        for (int column = 0; column < 7; ++column) {
            QTest::addRow("empty column %d", column)
                << empty << QList<int>{} << 42 + column << True << True << column << false;
            QString fiveHigh = empty;
            for (int row = 0; row < 5; ++row) {
                fiveHigh[7 * row + column] = 'B';
            }
            QTest::addRow("fills column %d", column)
                << fiveHigh << QList<int>{} << 42 + column << True << True << column + 35 << true;
        }
        QTest::newRow("blue when RedTurn is False")
            << empty << QList<int>{} << 43 << False << True << 1 << false;
        QTest::newRow("blue for any value but True")
            << empty << QList<int>{} << 43 << Bool16{1} << True << 1 << false;
        QTest::newRow("hidden marker passes right")
            << empty << QList<int>{44} << 44 << True << True << 3 << false;
        QTest::newRow("48 wraps to 42")
            << empty << QList<int>{48} << 48 << True << True << 0 << false;
        QTest::newRow("run of closed columns wraps on")
            << empty << QList<int>{47, 48, 42} << 47 << True << True << 1 << false;
        QTest::newRow("received move while GameActive is False")
            << empty << QList<int>{} << 45 << True << False << 3 << false;
        QTest::newRow("index 41 is a cell")
            << empty << QList<int>{} << 41 << True << True << -1 << false;
        QTest::newRow("index 49 is no marker")
            << empty << QList<int>{} << 49 << True << True << -1 << false;
        QTest::newRow("negative index")
            << empty << QList<int>{} << -7 << True << True << -1 << false;
        const QList<int> all{42, 43, 44, 45, 46, 47, 48};
        QTest::newRow("every column closed: game won")
            << empty << all << 45 << True << False << -1 << false;
        // No caller does this; the pass-on must still end rather than go round forever.
        QTest::newRow("every column closed: game active")
            << empty << all << 45 << True << True << -1 << false;
    }
    void drop() {
        QFETCH(QString, before);
        QFETCH(QList<int>, hiddenMarkers);
        QFETCH(int, marker);
        QFETCH(Bool16, redTurn);
        QFETCH(Bool16, gameActive);
        QFETCH(int, landsIn);
        QFETCH(bool, markerHidden);

        resetBoard(before);
        for (const int hidden : hiddenMarkers) {
            form.hideMarker(hidden);
        }
        form.RedTurn = redTurn;
        form.GameActive = gameActive;

        form.DropPiece(marker);

        QString expected = before;
        if (landsIn >= 0) {
            expected[landsIn] = redTurn == True ? 'R' : 'B';
        }
        QCOMPARE(boardText(form), expected);
        if (landsIn >= 0) {
            QCOMPARE(!form.markerVisible(board::markerAbove(landsIn)), markerHidden);
        }
        QCOMPARE(form.GameActive, gameActive);
        QCOMPARE(form.RedTurn, redTurn);
    }
    void openMarkerOverFullColumnPlacesNothing() {
        const QString fullColumn = "R......R......R......R......R......R......";
        resetBoard(fullColumn);
        form.showMarker(42); // a board no play leads to
        form.DropPiece(42);
        QCOMPARE(boardText(form), fullColumn);
    }
    void youWin_data() {
        QTest::addColumn<QList<int>>("red");
        QTest::addColumn<QList<int>>("blue");
        QTest::addColumn<bool>("wins");

        QTest::newRow("empty board") << QList<int>{} << QList<int>{} << false;
        QTest::newRow("three with a gap") << QList<int>{0, 1, 3} << QList<int>{} << false;
        QTest::newRow("row 0, columns 3-6") << QList<int>{3, 4, 5, 6} << QList<int>{} << true;
        QTest::newRow("top row, columns 0-3") << QList<int>{35, 36, 37, 38} << QList<int>{} << true;
        QTest::newRow("blue column 6, rows 2-5")
            << QList<int>{} << QList<int>{20, 27, 34, 41} << true;
        QTest::newRow("column 0, rows 0-3") << QList<int>{0, 7, 14, 21} << QList<int>{} << true;
        QTest::newRow("rising 14-38") << QList<int>{14, 22, 30, 38} << QList<int>{} << true;
        QTest::newRow("rising from the corner") << QList<int>{} << QList<int>{0, 8, 16, 24} << true;
        QTest::newRow("rising to the top corner")
            << QList<int>{17, 25, 33, 41} << QList<int>{} << true;
        QTest::newRow("falling 3-21") << QList<int>{3, 9, 15, 21} << QList<int>{} << true;
        QTest::newRow("falling to the top left")
            << QList<int>{} << QList<int>{20, 26, 32, 38} << true;
        QTest::newRow("row wrap 5-8 is no line") << QList<int>{5, 6, 7, 8} << QList<int>{} << false;
        QTest::newRow("falling wrap 0-18 is no line")
            << QList<int>{0, 6, 12, 18} << QList<int>{} << false;
        QTest::newRow("rising wrap 4-28 is no line")
            << QList<int>{4, 12, 20, 28} << QList<int>{} << false;
        QTest::newRow("mixed colours are no line") << QList<int>{0, 1, 2} << QList<int>{3} << false;
        QTest::newRow("both colours at once")
            << QList<int>{0, 1, 2, 3} << QList<int>{35, 36, 37, 38} << true;
        // Rows from the bottom: RRBBRRB RRBBRRB BBRRBBR RRBBRRB BBRRBBR BBRRBBR.
        QTest::newRow("full board without a line")
            << QList<int>{0,  1,  4,  5,  7,  8,  11, 12, 16, 17, 20,
                          21, 22, 25, 26, 30, 31, 34, 37, 38, 41}
            << QList<int>{2,  3,  6,  9,  10, 13, 14, 15, 18, 19, 23,
                          24, 27, 28, 29, 32, 33, 35, 36, 39, 40}
            << false;
    }
    void youWin() {
        QFETCH(QList<int>, red);
        QFETCH(QList<int>, blue);
        QFETCH(bool, wins);

        form.NewGame();
        for (const int cell : red) {
            form.setCell(cell, CellContent::Red);
        }
        for (const int cell : blue) {
            form.setCell(cell, CellContent::Blue);
        }
        const QString before = boardText(form);

        // Two-player play may ask twice about the same board: the answer must not change.
        for (int call = 0; call < 2; ++call) {
            QCOMPARE(form.YouWin(), wins ? True : False);
            QCOMPARE(form.GameActive, wins ? False : True);
            for (int marker = 42; marker <= 48; ++marker) {
                QCOMPARE(form.markerVisible(marker), !wins);
            }
        }
        QCOMPARE(boardText(form), before);
    }
    void aCopyOfTheRedBitmapIsNotRed() {
        form.NewGame();
        form.Image1(0).setPicture(Picture::fromPixmap(form.R.pixmap()));
        QVERIFY(!form.cellHolds(0, CellContent::Red));
        QVERIFY(!form.cellHolds(0, CellContent::Empty));
        form.Image1(0).setPicture(form.R);
        QVERIFY(form.cellHolds(0, CellContent::Red));
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
