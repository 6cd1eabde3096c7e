// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the player meets it: its look, the Game menu, hover, clicks and keys,
// the About box, and what a screen reader is told.
#include "about/form2.h"
#include "support/testplatform.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace tavelin;
using namespace tavelin::test;

using Items = QList<int>;

namespace {
QAccessibleInterface* accessible(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget);
}
} // namespace

class TestWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;

    // Where an element stands in the window's client area.
    QRect placeOf(int element) const {
        const PictureBox& box = form->Image1(element);
        return {box.mapTo(form->centralWidget(), QPoint()), box.size()};
    }
    // 'N' for a highlighted marker, 'u' for a plain one, '-' for a hidden one.
    QString markerLooks() const {
        QString looks;
        for (int marker = 42; marker <= 48; ++marker) {
            const bool highlighted = form->Image1(marker).picture() == form->NextPic;
            looks += !form->markerVisible(marker) ? '-' : highlighted ? 'N' : 'u';
        }
        return looks;
    }

private slots:
    void init() {
        game = std::make_unique<TestGame>(freePort());
        form = game->form.get();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Run at scale factor 2: drawn for the screen, at the layout's logical places and sizes.
    void startsReadyForOnePlayer() {
        QCOMPARE(placeOf(0), QRect(32, 248, 41, 41));
        QCOMPARE(placeOf(41), QRect(272, 48, 41, 41));
        QCOMPARE(form->Label2().geometry(), QRect(192, 296, 145, 17));
        const QImage drawn = form->grab().toImage();
        QCOMPARE(drawn.pixelColor(form->centralWidget()->mapTo(form, QPoint(5, 5)) * 2),
                 QColor(Qt::white));
        QCOMPARE(form->R.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(form->cursor().pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(form->cursor().hotSpot(), QPoint(16, 16));

        QCOMPARE(form->windowTitle(), QString("Tavelin"));
        QCOMPARE(boardText(*form) + markerLooks(), QString(42, '.') + "uuuuuuu");
        QCOMPARE(checkedItems(*form), Items{mnuOnePlayer});
        QCOMPARE(disabledCommands(*form), Items{mnuDisconnect});
        QVERIFY(form->RedTurn == True && form->GameActive == True && form->pointerShowsRed());
        QVERIFY(form->FirstComputerMove == True && form->ComputerTurn == False);
    }

    void menuCommands_data() {
        QTest::addColumn<Items>("commands"); // chosen in turn; the board is set before the last
        QTest::addColumn<Items>("checked");
        QTest::addColumn<Items>("disabled");
        QTest::addColumn<bool>("newGame");
        const Items waiting{mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuConnectToOpponent};
        const Items connecting{mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection};
        const auto row = [](const char* name, Items commands, Items checked,
                            Items disabled = {mnuDisconnect}, bool newGame = true) {
            QTest::newRow(name) << commands << checked << disabled << newGame;
        };
        row("two players twice", {mnuTwoPlayers, mnuTwoPlayers}, {mnuTwoPlayers});
        row("wait", {mnuWaitForConnection}, {mnuWaitForConnection}, waiting);
        row("wait twice", {mnuWaitForConnection, mnuWaitForConnection}, {mnuWaitForConnection},
            waiting, false);
        row("disabled items do nothing", {mnuWaitForConnection, mnuTwoPlayers},
            {mnuWaitForConnection}, waiting, false);
        row("connect", {mnuTwoPlayers, mnuConnectToOpponent}, {mnuConnectToOpponent}, connecting);
        // Until the peer has greeted, there is nobody to start a new game with.
        row("new while connecting", {mnuConnectToOpponent, mnuNew}, {mnuConnectToOpponent},
            connecting, false);
        row("disconnect while waiting", {mnuWaitForConnection, mnuDisconnect}, {mnuOnePlayer});
        row("headings and separators", {1, 2, 5, 6}, {mnuOnePlayer}, {mnuDisconnect}, false);
    }
    void menuCommands() {
        QFETCH(Items, commands);
        QFETCH(Items, checked);
        QFETCH(Items, disabled);
        QFETCH(bool, newGame);
        for (const int command : commands.mid(0, commands.size() - 1)) {
            form->mnusubGame().trigger(command); // as the player chooses: check marks too
        }
        setBoard(*form, "RB");
        form->setMouseIcon(form->imgBico);
        form->ComputerTurn = False;
        form->GameActive = False;
        form->mnusubGame().trigger(commands.last());
        QCOMPARE(checkedItems(*form), checked);
        QCOMPARE(disabledCommands(*form), disabled);
        QCOMPARE(boardText(*form), newGame ? QString(42, '.') : "RB" + QString(40, '.'));
        const bool waits = checked.contains(mnuWaitForConnection);
        const bool networked = waits || checked.contains(mnuConnectToOpponent);
        const bool localGame = newGame && !networked; // a session's game waits for the greetings
        QCOMPARE(form->ComputerTurn, localGame ? True : False);
        QCOMPARE(form->GameActive, localGame ? True : False);
        QCOMPARE(form->pointerShowsRed(), newGame && (waits || checked.contains(mnuOnePlayer)));
        QCOMPARE(form->wsListen.state() == TcpSocketControl::State::Listening, waits);
        QCOMPARE(form->Label1().text().isEmpty(), !networked);
    }

    // The marker under the pointer is highlighted; the window's background, a cell or a closed
    // column's place clears it.
    void hoverFollowsThePointer() {
        QWidget* surface = form->centralWidget();
        QTest::mouseMove(surface, placeOf(47).center());
        QTRY_COMPARE(markerLooks(), QString("uuuuuNu"));
        QTest::mouseMove(surface, placeOf(40).center());
        QTRY_COMPARE(markerLooks(), QString("uuuuuuu"));
        form->Image1_MouseMove(42);
        form->Image1_MouseMove(49); // no such element: nothing changes
        QCOMPARE(markerLooks(), QString("Nuuuuuu"));
        form->hideMarker(42);
        QTest::mouseMove(surface, placeOf(42).center());
        form->showMarker(42);
        QTRY_COMPARE(markerLooks(), QString("uuuuuuu"));
    }
    // Only a left click on an open column's marker is a move.
    void clicksThatAreNoMoves() {
        for (const int mode : {mnuOnePlayer, mnuTwoPlayers}) {
            form->mnusubGame().trigger(mode);
            QTest::mouseClick(&form->Image1(3), Qt::LeftButton);
            QTest::mouseClick(&form->Image1(43), Qt::RightButton);
            QCOMPARE(boardText(*form), QString(42, '.'));
        }
        QTest::mouseClick(&form->Image1(42), Qt::LeftButton);
        QCOMPARE(boardText(*form), "R" + QString(41, '.')); // and no computer in two-player play
    }
    // Digits, Left/Right and Enter/Space play as clicks would, over open columns only.
    void keyboardPlaysAsClicksWould() {
        form->mnusubGame().trigger(mnuTwoPlayers);
        setBoard(*form, QString(35, '.') + "R");
        for (const Qt::Key key : {Qt::Key_7, Qt::Key_0, Qt::Key_8, Qt::Key_1, Qt::Key_Right}) {
            QTest::keyClick(form, key); // 0, 8 and the full column 1 are no moves
        }
        QAccessibleInterface* column = accessible(form->Image1(43));
        QCOMPARE(column->parent()->focusChild(), column); // told to a screen reader as focus
        QVERIFY(column->state().focused && !accessible(form->Image1(44))->state().focused);
        for (const Qt::Key key :
             {Qt::Key_Return, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}) {
            QTest::keyClick(form, key); // Left finds no open column before column 2
        }
        QCOMPARE(boardText(*form), ".B.R..R" + QString(28, '.') + "R" + QString(6, '.'));
    }

    // The About box is modal; its links turn blue under the pointer and open on a left click.
    void aboutBox() {
        form->hide(); // the mouse goes to the topmost window under it: let that be the box
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            const auto closeOnFailure = qScopeGuard([box] { box->close(); });
            auto* about = dynamic_cast<Form2*>(box);
            QVERIFY(about != nullptr && about->windowTitle() == "About");
            QWidget* surface = about->Label2().parentWidget();
            QTest::mouseMove(surface, about->Label2().geometry().center());
            QTRY_COMPARE(about->Label2().foreColor(), QColor(Qt::blue));
            QTest::mouseMove(surface, QPoint(2, 2));
            QTRY_COMPARE(about->Label2().foreColor(), QColor(Qt::black));
            QTest::mouseClick(&about->Label13(), Qt::RightButton);
            QTest::mouseClick(&about->Label13(), Qt::LeftButton);
            game->urls.canOpen = false; // no mail program: the address is shown to be copied
            QTest::mouseClick(&about->Label2(), Qt::LeftButton);
            about->Command1().click();
        });
        form->mnuAbout_Click(); // returns once OK has closed the box
        QCOMPARE(game->urls.opened, QList<QUrl>({QUrl("https://tavelin.example.org"),
                                                 QUrl("mailto:tavelin@example.org")}));
        QVERIFY(game->dialogs.texts.value(0).endsWith("\ntavelin@example.org"));
    }

    // The board is a table of named cells, row 0 on top; pressing a marker plays as a click
    // does, the move is told, and only the markers on show are offered.
    void screenReaderReadsAndPlaysTheBoard() {
        setBoard(*form, "RB.....R");
        QAccessibleInterface* table = accessible(form->Image1(0))->parent();
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells->rowCount() == 6 && cells->columnCount() == 7);
        QCOMPARE(cells->cellAt(5, 1)->text(QAccessible::Name), QString("Column 2, row 1: blue"));
        QCOMPARE(cells->cellAt(4, 0)->text(QAccessible::Name), QString("Column 1, row 2: red"));
        QCOMPARE(cells->cellAt(0, 6)->text(QAccessible::Name), QString("Column 7, row 6: empty"));
        for (int index = 0; index < 42; ++index) {
            QAccessibleTableCellInterface* cell = table->child(index)->tableCellInterface();
            QCOMPARE(cell->rowIndex() * 7 + cell->columnIndex(), index);
            QCOMPARE(table->indexOfChild(cells->cellAt(index / 7, index % 7)), index);
        }
        form->NewGame();
        QAccessibleInterface* marker = accessible(form->Image1(45));
        QCOMPARE(marker->text(QAccessible::Name), QString("Column 4"));
        marker->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(boardText(*form).count('B'), 1);
        QVERIFY(table->text(QAccessible::Description).startsWith("Blue played column "));
        setBoard(*form, QString(35, '.') + "RB");
        QCOMPARE(marker->parent()->childCount(), 5);
        QCOMPARE(marker->parent()->child(0)->text(QAccessible::Name), QString("Column 3"));
        QCOMPARE(marker->parent()->indexOfChild(marker), 1);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
