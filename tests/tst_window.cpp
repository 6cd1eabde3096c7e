// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user first sees it.
#include "support/testplatform.h"
#include "toolkit/label.h"

#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

class TestWindow : public QObject {
    Q_OBJECT

    TestGame game;
    Form1& form = *game.form;

private slots:
    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("cell 0, bottom left")
            << placeInForm(form, form.Image1(0)) << QRect(32, 248, 41, 41);
        QTest::newRow("cell 41, top right")
            << placeInForm(form, form.Image1(41)) << QRect(272, 48, 41, 41);
        QTest::newRow("marker 42") << placeInForm(form, form.Image1(42)) << QRect(32, 8, 41, 41);
        QTest::newRow("marker 48") << placeInForm(form, form.Image1(48)) << QRect(272, 8, 41, 41);
        QTest::newRow("Label1") << form.Label1().geometry() << QRect(8, 296, 177, 17);
        QTest::newRow("Label2") << form.Label2().geometry() << QRect(192, 296, 145, 17);
        QTest::newRow("client area") << form.centralWidget()->rect() << QRect(0, 0, 344, 314);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QRect, place);
        QFETCH(QRect, expected);
        QCOMPARE(place, expected);
    }

    void startsReadyForOnePlayer() {
        QCOMPARE(form.windowTitle(), QString("Tavelin"));
        QCOMPARE(boardText(form), QString(42, '.'));
        for (int marker = 42; marker <= 48; ++marker) {
            QVERIFY(form.markerVisible(marker));
            // Plain from the start, so a move from a network peer is never dropped.
            QCOMPARE(form.Image1(marker).picture(), form.UnNext);
        }
        QCOMPARE(checkedItems(form), QList<int>{mnuOnePlayer});
        QCOMPARE(disabledCommands(form), QList<int>{mnuDisconnect});
        QVERIFY(form.RedTurn == True && form.GameActive == True && form.FirstComputerMove == True);
        QCOMPARE(form.ComputerTurn, False);
        QVERIFY(form.pointerShowsRed());
        QCOMPARE(game.random.seeds, 1);
    }

    // Run at scale factor 2: drawn for the screen, the same logical size, and the pointer's hot
    // spot at the disc's centre.
    void artworkHasItsLogicalSizeAndColours() {
        QCOMPARE(form.R.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(form.cursor().hotSpot(), QPoint(16, 16));
        QCOMPARE(form.R.pixmap().deviceIndependentSize(), QSizeF(41, 41));
        QCOMPARE(form.imgRico.pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(form.R.pixmap().toImage().pixelColor(20, 20), QColor(255, 0, 0));
        QCOMPARE(form.B.pixmap().toImage().pixelColor(20, 20), QColor(64, 0, 255));
        QCOMPARE(form.PicEmpty.pixmap().toImage().pixelColor(1, 1), QColor(255, 255, 128));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
