// SPDX-License-Identifier: GPL-3.0-or-later
// The highlight that follows the mouse over the column markers.
#include "support/testplatform.h"
#include "toolkit/picturebox.h"

#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

class TestHover : public QObject {
    Q_OBJECT

    TestGame game;
    Form1& form = *game.form;

    // 'N' for the highlighted picture, 'u' for the plain one, per marker 42..48.
    QString markerLooks() const {
        QString looks;
        for (int marker = 42; marker <= 48; ++marker) {
            const Picture& shown = form.Image1(marker).picture();
            looks += shown == form.NextPic ? 'N' : shown == form.UnNext ? 'u' : '?';
        }
        return looks;
    }

private slots:
    void init() {
        form.mnusubGame_Click(mnuOnePlayer);
        form.Form_MouseMove();
    }
    void followsThePointer_data() {
        QTest::addColumn<QList<int>>("path"); // elements moved over; -1 is the window itself
        QTest::addColumn<Bool16>("gameActive");
        QTest::addColumn<QString>("looks");

        QTest::newRow("on marker 45") << QList<int>{45} << True << "uuuNuuu";
        QTest::newRow("first and last marker") << QList<int>{48, 42} << True << "Nuuuuuu";
        QTest::newRow("down to the cell below") << QList<int>{45, 38} << True << "uuuuuuu";
        QTest::newRow("onto the window") << QList<int>{45, -1} << True << "uuuuuuu";
        QTest::newRow("no element 49") << QList<int>{45, 49} << True << "uuuNuuu";
        QTest::newRow("game over: nothing changes") << QList<int>{46} << False << "uuuuuuu";
    }
    void followsThePointer() {
        QFETCH(QList<int>, path);
        QFETCH(Bool16, gameActive);
        QFETCH(QString, looks);
        form.GameActive = gameActive;
        for (const int element : path) {
            if (element < 0) {
                form.Form_MouseMove();
            } else {
                form.Image1_MouseMove(element);
            }
        }
        QCOMPARE(markerLooks(), looks);
    }
    void hiddenMarkersKeepTheirPictureForTheNextGame() {
        form.Image1_MouseMove(44);
        setBoard(form, "RRRR");
        QCOMPARE(form.YouWin(), True); // every marker hidden, the highlight stays put
        form.Image1_MouseMove(46);
        form.NewGame();
        QCOMPARE(markerLooks(), QString("uuNuuuu"));
    }
    void realMouseMovesDriveIt() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* surface = form.centralWidget();
        QTest::mouseMove(surface, placeInForm(form, form.Image1(47)).center());
        QTRY_COMPARE(markerLooks(), QString("uuuuuNu"));
        QTest::mouseMove(surface, QPoint(5, 5)); // the window's own background
        QTRY_COMPARE(markerLooks(), QString("uuuuuuu"));
        form.Image1_MouseMove(43); // highlighted, so that the next move has something to clear
        form.hideMarker(43);       // over a closed column's place, the window handles the move
        QTest::mouseMove(surface, placeInForm(form, form.Image1(43)).center());
        QTRY_COMPARE(markerLooks(), QString("uuuuuuu"));
    }
};

QTEST_MAIN(TestHover)
#include "tst_hover.moc"
