// The main window as a user first sees it: places, pictures and the Game menu.
#include "support/testplatform.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

class TestWindow : public QObject {
    Q_OBJECT

    TestGame game;
    Form1& form = *game.form;

private slots:
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void clientAreaAndCaption();
    void startsReadyForOnePlayer();
    void gameMenuAsLaidOut();
    void artworkKeepsItsLogicalSize();
};

void TestWindow::controlsStandWhereTheLayoutPutsThem_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<QRect>("place");
    QTest::newRow("cell 0, bottom left") << 0 << QRect(32, 248, 41, 41);
    QTest::newRow("cell 6, bottom right") << 6 << QRect(272, 248, 41, 41);
    QTest::newRow("cell 35, top left") << 35 << QRect(32, 48, 41, 41);
    QTest::newRow("cell 41, top right") << 41 << QRect(272, 48, 41, 41);
    QTest::newRow("marker 42") << 42 << QRect(32, 8, 41, 41);
    QTest::newRow("marker 48") << 48 << QRect(272, 8, 41, 41);
}

void TestWindow::controlsStandWhereTheLayoutPutsThem() {
    QFETCH(int, element);
    QFETCH(QRect, place);
    QCOMPARE(form.Image1(element).geometry(), place);
}

void TestWindow::clientAreaAndCaption() {
    QCOMPARE(form.windowTitle(), QString("Tavelin"));
    QCOMPARE(form.centralWidget()->size(), QSize(344, 314));
    QCOMPARE(form.Label1().geometry(), QRect(8, 296, 177, 17));
    QCOMPARE(form.Label2().geometry(), QRect(192, 296, 145, 17));
    QVERIFY(form.Label1().alignment() & Qt::AlignLeft);
    QVERIFY(form.Label2().alignment() & Qt::AlignRight);
}

void TestWindow::startsReadyForOnePlayer() {
    QCOMPARE(boardText(form), QString(42, '.'));
    for (int marker = 42; marker <= 48; ++marker) {
        QVERIFY(form.markerVisible(marker));
        // Plain from the start, so a move from a network peer is never dropped.
        QCOMPARE(form.Image1(marker).picture(), form.UnNext);
    }
    QCOMPARE(form.checkedMode(), PlayMode::OnePlayer);
    QCOMPARE(form.RedTurn, True);
    QCOMPARE(form.GameActive, True);
    QCOMPARE(form.FirstComputerMove, True);
    QCOMPARE(form.ComputerTurn, False);
    QVERIFY(form.pointerShowsRed());
    QCOMPARE(game.random.seeds, 1);
}

void TestWindow::gameMenuAsLaidOut() {
    const QStringList captions{"&New",
                               "-",
                               "Normal Mode",
                               "  One Player",
                               "  Two Players",
                               "-",
                               "Network Mode",
                               "  Waiting for Connection",
                               "  Connect to Opponent",
                               "  Disconnect"};
    MenuItemArray& menu = form.mnusubGame();
    QCOMPARE(menu.count(), captions.size());
    for (int index = 0; index < menu.count(); ++index) {
        QCOMPARE(menu.caption(index), captions.at(index));
        QCOMPARE(menu.checked(index), index == mnuOnePlayer);
    }
    for (const int item :
         {mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection, mnuConnectToOpponent}) {
        QVERIFY(menu.enabled(item));
    }
    QVERIFY(!menu.enabled(mnuDisconnect));
    const QList<QAction*> bar = form.menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar.at(0)->text(), QString("&Game"));
    QCOMPARE(bar.at(1)->text(), QString("&About"));
    QCOMPARE(bar.at(0)->menu()->actions().at(0)->shortcut(), QKeySequence(Qt::Key_F2));
}

void TestWindow::artworkKeepsItsLogicalSize() {
    for (const Picture* picture : {&form.PicEmpty, &form.R, &form.B, &form.NextPic, &form.UnNext}) {
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(41, 41));
    }
    QCOMPARE(form.imgRico.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    QVERIFY(form.R.pixmap().toImage().pixelColor(20, 20) == QColor(255, 0, 0));
    QVERIFY(form.B.pixmap().toImage().pixelColor(20, 20) == QColor(64, 0, 255));
    QVERIFY(form.PicEmpty.pixmap().toImage().pixelColor(1, 1) == QColor(255, 255, 128));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
