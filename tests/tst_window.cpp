// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the player meets it: its look, the Game menu, hover, clicks and keys,
// the About box, and what a screen reader is told.
#include "about/form2.h"
#include "support/testplatform.h"
#include "toolkit/label.h"
#include "toolkit/linklabel.h"
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

#include <random>

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

    // The column of the board's element that assistive technology is told has the focus.
    int focusedColumn() const {
        for (int element = 0; element < 49; ++element) {
            if (accessible(form->Image1(element))->state().focused) {
                return element % 7;
            }
        }
        return -1;
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
        QCOMPARE(menuState(*form), "0 3* 4 7 8 9-");
        QVERIFY(form->RedTurn == True && form->GameActive == True && form->pointerShowsRed());
        QVERIFY(form->FirstComputerMove == True && form->ComputerTurn == False);
    }

    void menuCommands_data() {
        QTest::addColumn<Items>("commands"); // chosen in turn; the board is set before the last
        QTest::addColumn<QString>("menu");   // as menuState() writes it
        QTest::addColumn<bool>("newGame");
        const auto row = [](const char* name, Items commands, const char* menu, bool newGame) {
            QTest::newRow(name) << commands << QString(menu) << newGame;
        };
        const char* waiting = "0- 3- 4- 7* 8- 9";
        const char* connecting = "0- 3- 4- 7- 8* 9";
        const char* onePlayer = "0 3* 4 7 8 9-";
        row("two players twice", {mnuTwoPlayers, mnuTwoPlayers}, "0 3 4* 7 8 9-", true);
        row("wait", {mnuWaitForConnection}, waiting, true);
        row("wait twice", {mnuWaitForConnection, mnuWaitForConnection}, waiting, false);
        row("disabled items do nothing", {mnuWaitForConnection, mnuTwoPlayers}, waiting, false);
        row("connect", {mnuTwoPlayers, mnuConnectToOpponent}, connecting, true);
        // Until the peer has greeted, there is nobody to start a new game with.
        row("new while connecting", {mnuConnectToOpponent, mnuNew}, connecting, false);
        row("disconnect while waiting", {mnuWaitForConnection, mnuDisconnect}, onePlayer, true);
        row("disconnect while connecting", {mnuConnectToOpponent, mnuDisconnect}, onePlayer, true);
        row("headings and separators", {1, 2, 5, 6}, onePlayer, false);
    }
    void menuCommands() {
        QFETCH(Items, commands);
        QFETCH(QString, menu);
        QFETCH(bool, newGame);
        for (const int command : commands.mid(0, commands.size() - 1)) {
            form->mnusubGame().trigger(command); // as the player chooses: check marks too
        }
        setBoard(*form, "RB");
        form->setMouseIcon(form->imgBico);
        form->ComputerTurn = False;
        form->GameActive = False;
        form->mnusubGame().trigger(commands.last());
        QCOMPARE(menuState(*form), menu);
        QCOMPARE(boardText(*form), newGame ? QString(42, '.') : "RB" + QString(40, '.'));
        const bool waits = menu.contains("7*");
        const bool networked = waits || menu.contains("8*");
        const bool localGame = newGame && !networked; // a session's game waits for the greetings
        QCOMPARE(form->ComputerTurn, localGame ? True : False);
        QCOMPARE(form->GameActive, localGame ? True : False);
        QCOMPARE(form->pointerShowsRed(), newGame && (waits || menu.contains("3*")));
        QCOMPARE(form->wsListen.state() == TcpSocketControl::State::Listening, waits);
        QCOMPARE(game->discovery.offered.isEmpty(), !waits); // offered on the network
        QCOMPARE(form->Label1().text().isEmpty(), !networked);
        // A connection given up, even one still being made, leaves no socket behind.
        QTRY_VERIFY(qApp->findChildren<QTcpSocket*>().isEmpty());
    }

    // However a player mixes keys and the pointer, the game has one column: the one a screen
    // reader is told has the focus, which the arrow shows while the game takes input
    // and Enter or Space plays; keys 1 to 7 make their open column that one and play it, and the
    // pointer over a marker does the same without playing. A key held down plays once; cells, the
    // right button and other keys play nothing; F2 starts a new game. The pointer over a cell or
    // the background leaves no arrow.
    void oneColumnForKeysPointerAndScreenReader() {
        form->mnusubGame().trigger(mnuTwoPlayers); // one piece a move
        QApplication::setActiveWindow(form);       // for the menu's shortcut
        QVERIFY(QTest::qWaitForWindowActive(form));
        static constexpr std::array keys{Qt::Key_1,      Qt::Key_4,     Qt::Key_7,  Qt::Key_8,
                                         Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                         Qt::Key_Return, Qt::Key_Space, Qt::Key_F2};
        std::mt19937 engine(20261209);
        for (int action = 0; action < 3000; ++action) {
            const QByteArray where = QByteArray::number(action);
            const QString before = boardText(*form);
            const QString looksBefore = markerLooks();
            const bool takesInput = form->GameActive == True;
            const Qt::Key key = keys.at(engine() % keys.size());
            const bool held = engine() % 4 == 0 && key != Qt::Key_F2;
            const unsigned choice = engine() % 8;
            if (choice == 0) { // the arrow under the pointer over a marker; a label keeps it
                const QPoint at(int(engine() % 344), int(engine() % 314));
                pointAt(form->centralWidget(), at);
                QWidget* under = form->centralWidget()->childAt(at);
                const auto* box = qobject_cast<PictureBox*>(under);
                const int pointed = box != nullptr && box->index() >= 42 ? box->index() - 42 : -1;
                QTRY_VERIFY2(!takesInput || qobject_cast<Label*>(under) != nullptr ||
                                 markerLooks().indexOf('N') == pointed,
                             where);
            } else if (choice == 1) {
                QTest::mouseClick(&form->Image1(int(engine() % 42)), Qt::LeftButton);
                QTest::mouseClick(&form->Image1(42 + int(engine() % 7)), Qt::RightButton);
            } else if (held) { // repeated with or without Qt's mark, as X11 may send it
                QTest::keyPress(form, key);
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), engine() % 2);
                QApplication::sendEvent(form, &repeat);
                QTest::keyRelease(form, key);
            } else {
                QTest::keyClick(form, key);
            }
            const int announced = focusedColumn();
            const bool pressed = choice > 1;
            if (pressed && key == Qt::Key_F2) {
                QVERIFY2(boardText(*form) == QString(42, '.'), where);
                continue;
            }
            const bool digit = key >= Qt::Key_1 && key <= Qt::Key_7;
            const int column = digit ? key - Qt::Key_1 : announced; // that a play key plays
            const bool played = pressed &&
                                (digit || key == Qt::Key_Return || key == Qt::Key_Space) &&
                                takesInput && column >= 0 && looksBefore.at(column) != '-';
            const Cells placed = changedCells(before, boardText(*form));
            QVERIFY2(placed.size() == (played ? 1 : 0), where);
            QVERIFY2(!played || (placed.first() % 7 == column && column == announced), where);
            QString arrow; // after a key the game knows, while it takes input
            for (int other = 0; other < 7; ++other) {
                arrow += !form->markerVisible(42 + other) ? '-' : other == announced ? 'N' : 'u';
            }
            QVERIFY2(!pressed || key == Qt::Key_8 || form->GameActive != True || announced < 0 ||
                         markerLooks() == arrow,
                     where);
        }
    }

    // The About box is modal; its links turn blue under the pointer and open on a left click.
    // Tab reaches them, Return or Space follows them, and a screen reader presses them as links.
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
            QTest::keyClick(about->focusWidget(), Qt::Key_Tab); // from OK to the mail link
            QAccessibleInterface* link = accessible(*about->focusWidget());
            QCOMPARE(link->role(), QAccessible::Link);
            link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_COMPARE(game->urls.opened.size(), 1);
            QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(about->focusWidget(), Qt::Key_Space);
            QTest::mouseClick(&about->Label2(), Qt::RightButton);
            QTest::mouseClick(&about->Label13(), Qt::LeftButton);
            game->urls.canOpen = false; // no mail program: the address is shown to be copied
            QTest::keyClick(about->focusWidget(), Qt::Key_Backtab);
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);
            about->Command1().click();
        });
        form->mnuAbout_Click(); // returns once OK has closed the box
        const QUrl web("https://tavelin.example.org"), mail("mailto:tavelin@example.org");
        QCOMPARE(game->urls.opened, QList<QUrl>({mail, web, web, mail}));
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
        for (int index = 0; index < 42; ++index) { // row by row from the top
            const int row = index / 7;
            const int column = index % 7;
            const QChar piece = boardText(*form).at((5 - row) * 7 + column);
            const QString name = QString("Column %1, row %2: ").arg(column + 1).arg(6 - row) +
                                 (piece == 'R'   ? "red"
                                  : piece == 'B' ? "blue"
                                                 : "empty");
            QAccessibleInterface* cell = cells->cellAt(row, column);
            QCOMPARE(cell->text(QAccessible::Name), name);
            QVERIFY(table->child(index) == cell && cell->tableCellInterface()->rowIndex() == row);
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
