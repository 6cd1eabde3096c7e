// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the player meets it: its look, the Game menu, hover, clicks and keys,
// the About box, and what a screen reader is told.
#include "about/form2.h"
#include "support/testplatform.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"
#include "toolkit/qtdialogs.h"
#include "toolkit/translations.h"
#include "window/boardaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace tavelin;
using namespace tavelin::test;

using Items = QList<int>;

namespace {
QAccessibleInterface* accessible(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget);
}

// Moves the pointer over a place of `widget` as the window system would tell it: Wayland lets
// no client move the real pointer.
void pointAt(QWidget* widget, QPoint place) {
    QTest::mouseMove(widget->window()->windowHandle(), widget->mapTo(widget->window(), place));
}

// What a person sees or hears of a window, as assistive technology is told it: its title,
// menus, labels, board and notices.
void collectTexts(QAccessibleInterface* node, QStringList& texts) {
    texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
    for (int child = 0; child < node->childCount(); ++child) {
        collectTexts(node->child(child), texts);
    }
}

// Marks every text that goes through translation.
struct MarkingTranslator final : QTranslator {
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return '<' + QString::fromUtf8(source) + '>';
    }
};
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

    // Run at scale factor 2: drawn for the screen, the pointer at its logical size.
    void startsReadyForOnePlayer() {
        const QImage drawn = form->grab().toImage();
        QCOMPARE(drawn.pixelColor(form->centralWidget()->mapTo(form, QPoint(5, 5)) * 2),
                 QColor(Qt::white));
        QCOMPARE(form->R.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(form->cursor().pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(form->cursor().hotSpot(), QPoint(16, 16));

        // English where it comes first, and in the C locale, with its plural forms; else the
        // first language with a catalogue.
        QCOMPARE(Translations({"en-GB", "de"}).language() + '|' +
                     Translations({"C", "ja", "de-AT", "fr"}).language(),
                 "en|de_DE");
        const Translations english({"C"});
        QCOMPARE(columnContents(1) + '|' + columnContents(2), "1 piece|2 pieces");
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
        row("disconnect while connecting", {mnuConnectToOpponent, mnuDisconnect}, {mnuOnePlayer});
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
        // A connection given up, even one still being made, leaves no socket behind.
        QTRY_VERIFY(qApp->findChildren<QTcpSocket*>().isEmpty());
    }

    // The marker under the pointer is highlighted; the window's background or a cell clears it.
    void hoverFollowsThePointer() {
        for (const auto& [place, looks] : {std::pair{placeOf(47).center(), "uuuuuNu"},
                                           {placeOf(40).center(), "uuuuuuu"},
                                           {placeOf(42).center(), "Nuuuuuu"},
                                           {QPoint(5, 5), "uuuuuuu"}}) { // the window's background
            pointAt(form->centralWidget(), place);
            QTRY_COMPARE(markerLooks(), QString(looks));
        }
    }
    // Only a left click on an open column's marker is a move; digits, Left/Right and
    // Enter/Space play as such clicks would, over open columns only, also from inside the board.
    void clicksAndKeysThatPlay() {
        for (const int mode : {mnuOnePlayer, mnuTwoPlayers}) {
            form->mnusubGame().trigger(mode);
            QTest::mouseClick(&form->Image1(3), Qt::LeftButton);
            QTest::mouseClick(&form->Image1(43), Qt::RightButton);
            QCOMPARE(boardText(*form), QString(42, '.'));
        }
        setBoard(*form, QString(35, '.') + "R");
        QTest::mouseClick(&form->Image1(45), Qt::LeftButton); // and no computer in two-player play
        for (const Qt::Key key :
             {Qt::Key_7, Qt::Key_0, Qt::Key_8, Qt::Key_1, Qt::Key_Right, Qt::Key_Return,
              Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Down,
              Qt::Key_Left, Qt::Key_Return}) {
            QTest::keyClick(form, key); // 0, 8 and the full column 1 are no moves; Left finds
        }                               // no open column before column 2; Down goes into the
                                        // board, where Left moves along the row
        QCOMPARE(boardText(*form), ".RRR..B...B" + QString(24, '.') + "R" + QString(6, '.'));
        QApplication::setActiveWindow(form); // for its menu's shortcuts
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F2);
        QCOMPARE(boardText(*form), QString(42, '.'));
    }

    // The About box is modal; its links turn blue under the pointer and open on a left click.
    void aboutBox() {
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            const auto closeOnFailure = qScopeGuard([box] { box->close(); });
            auto* about = dynamic_cast<Form2*>(box);
            QVERIFY(about != nullptr && about->windowTitle() == "About");
            QCOMPARE(QtDialogs::windowInFront(form), box); // its boxes go over it
            QWidget* surface = about->Label2().parentWidget();
            pointAt(surface, about->Label2().geometry().center());
            QTRY_COMPARE(about->Label2().foreColor(), QColor(Qt::blue));
            pointAt(surface, QPoint(2, 2));
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

    // Every text the player meets goes through translation: on the window, in play and in a
    // network session, in its boxes and in the About box. Every label on the white surfaces
    // paints it black on white, as the design has it (the links until the pointer is over
    // them), under a light palette or a dark one whose text is white, and not cut off where it
    // is too long for its place.
    void everyTextIsTranslatedAndReadable() {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
        for (const QPalette& palette : {light, QPalette(QColor(60, 60, 60), QColor(40, 40, 40))}) {
            QApplication::setPalette(palette);
            TestGame themed;
            QTest::keyClick(themed.form.get(), Qt::Key_Right); // the column's contents, described
            setBoard(*themed.form, "RRR");
            QTest::mouseClick(&themed.form->Image1(45), Qt::LeftButton); // a win, and its box
            QStringList texts = themed.dialogs.texts;
            collectTexts(accessible(*themed.form), texts);
            themed.form->mnusubGame().trigger(mnuWaitForConnection);
            collectTexts(accessible(*themed.form), texts);
            Form2 about(themed.urls, themed.dialogs, themed.form.get());
            collectTexts(accessible(about), texts);
            for (const QString& text : texts) {
                QVERIFY2(text.isEmpty() || text.contains('<'), qPrintable(text));
            }
            themed.form->Label2().setText("IP Address 192.168.255.255:10007");
            for (Label* label :
                 themed.form->findChildren<Label*>() + about.findChildren<Label*>()) {
                const QPalette& paints = label->palette();
                QCOMPARE(paints.color(label->foregroundRole()), QColor(Qt::black));
                QCOMPARE(paints.color(label->backgroundRole()), QColor(Qt::white));
                const QImage drawn = label->grab().toImage(); // drawn, not cut off where it ends
                QImage blank(drawn.size(), drawn.format());
                blank.fill(Qt::white);
                QVERIFY(drawn != blank || label->text().isEmpty());
                const int end = label->alignment() & Qt::AlignRight ? 0 : int(drawn.width()) - 1;
                for (int y = 0; y < drawn.height(); ++y) {
                    QVERIFY(drawn.pixelColor(end, y).lightness() > 200);
                }
            }
        }
    }

    // The board is a table of named cells, read row by row from the top as it is seen; pressing
    // a marker plays as a click does, the move is told, and only the markers on show are offered.
    void screenReaderReadsAndPlaysTheBoard() {
        setBoard(*form, "RB.....R");
        QAccessibleInterface* table = accessible(form->Image1(0))->parent();
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells->rowCount() == 6 && cells->columnCount() == 7);
        const QStringList holds{"empty", "red", "blue"};
        for (int index = 0; index < 42; ++index) {
            const int row = index / 7;
            const int column = index % 7;
            const QChar piece = boardText(*form).at((5 - row) * 7 + column);
            QAccessibleInterface* cell = cells->cellAt(row, column);
            QCOMPARE(cell->text(QAccessible::Name),
                     QString("Column %1, row %2: %3")
                         .arg(column + 1)
                         .arg(6 - row)
                         .arg(holds.at(QString(".RB").indexOf(piece))));
            QCOMPARE(table->child(index), cell);
            QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
        }
        form->NewGame();
        QAccessibleInterface* marker = accessible(form->Image1(45));
        marker->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(boardText(*form).count('B'), 1);
        setBoard(*form, QString(35, '.') + "RB");
        QCOMPARE(marker->parent()->childCount(), 5);
        QCOMPARE(marker->parent()->child(0)->text(QAccessible::Name), QString("Column 3"));
        QCOMPARE(marker->parent()->indexOfChild(marker), 1);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
