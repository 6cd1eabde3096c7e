// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the player meets it: the drop, the win check and the computer opponent,
// checked against a four-in-a-row search of the test's own over many random games; its look, the
// Game menu, hover, clicks and keys, the About box, and what a screen reader is told.
#include "about/form2.h"
#include "projectinfo.h"
#include "support/paintedboard.h"
#include "support/testplatform.h"
#include "toolkit/clockrandom.h"
#include "toolkit/label.h"
#include "toolkit/linklabel.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"
#include "toolkit/qtdialogs.h"
#include "toolkit/translations.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <random>

using namespace tavelin;
using namespace tavelin::test;

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

// What a screen reader reads of the board: the table's size; each cell in table order with the row
// and column it is told the cell is in, and its span; then each marker it is offered, with what its
// column holds; and which of them has the focus.
QStringList readOut(Form1& form) {
    QAccessibleInterface* table = accessible(form.Image1(0))->parent();
    QAccessibleInterface* markers = accessible(*form.Image1(42).parentWidget());
    const auto said = [](QAccessibleInterface* element) {
        return element->text(QAccessible::Name) + '|' + element->text(QAccessible::Description) +
               (element->state().focused ? "|focused" : "");
    };
    const QAccessibleTableInterface* size = table->tableInterface();
    QStringList read{QString("%1x%2").arg(size->rowCount()).arg(size->columnCount())};
    for (int index = 0; index < table->childCount(); ++index) {
        const QAccessibleTableCellInterface* cell = table->child(index)->tableCellInterface();
        read << QString::asprintf("%d,%d %dx%d ", cell->rowIndex(), cell->columnIndex(),
                                  cell->rowExtent(), cell->columnExtent()) +
                    said(table->child(index));
    }
    for (int index = 0; index < markers->childCount(); ++index) {
        read << said(markers->child(index));
    }
    return read;
}

// Where a piece dropped into the column would come to rest, or -1 when the column is full.
int landingCell(const QString& cells, int column) {
    int cell = column;
    while (cell < 42 && cells.at(cell) != '.') {
        cell += 7;
    }
    return cell < 42 ? cell : -1;
}

// What a screen reader should read of the board the game holds: rows from the top, and only the
// markers on show; the focus where the keyboard is (a cell, a marker, or -1: nowhere yet).
QStringList meantReadOut(const Form1& form, int keyboard) {
    const auto focused = [keyboard](int element) { return keyboard == element ? "|focused" : ""; };
    static const QStringList holds{"empty",    "1 piece",  "2 pieces", "3 pieces",
                                   "4 pieces", "5 pieces", "full"};
    static const QHash<QChar, QString> colours{{'R', "red"}, {'B', "blue"}, {'.', "empty"}};
    const QString board = boardText(form);
    QStringList meant{"6x7"};
    for (int index = 0; index < 42; ++index) { // the table's rows from the top
        const int row = 5 - index / 7, column = index % 7;
        meant << QString::asprintf("%d,%d 1x1 Column %d, row %d: ", index / 7, column, column + 1,
                                   row + 1) +
                     colours.value(board.at(row * 7 + column)) + '|' + focused(row * 7 + column);
    }
    for (int column = 0; column < 7; ++column) {
        const int landing = landingCell(board, column); // above its pieces
        if (form.markerVisible(42 + column)) {
            meant << QString("Column %1|").arg(column + 1) +
                         holds.at(landing < 0 ? 6 : landing / 7) + focused(42 + column);
        }
    }
    return meant;
}

// The cells of every line of four on the board (those of crossing lines more than once).
Cells lineCells(const QString& cells) {
    QString rows; // a separator after each row, so that no line wraps round
    for (int row = 0; row < 6; ++row) {
        rows += cells.mid(row * 7, 7) + '|';
    }
    const auto at = [&](qsizetype index) { return index < rows.size() ? rows.at(index) : '|'; };
    Cells found;
    for (int i = 0; i < rows.size(); ++i) {
        for (const int step : {1, 7, 8, 9}) { // along a row, falling, up a column, rising
            const QChar piece = rows.at(i);
            if (piece != '.' && piece != '|' && at(i + step) == piece &&
                at(i + 2 * step) == piece && at(i + 3 * step) == piece) {
                for (int k = 0; k < 4; ++k) {
                    found.append((i + k * step) / 8 * 7 + (i + k * step) % 8);
                }
            }
        }
    }
    return found;
}

// Each line of four drawn through, or else the last piece placed marked.
QString marksExpected(const QString& cells, int last) {
    QString marks(42, '.');
    for (const int cell : lineCells(cells)) {
        marks[cell] = 'W';
    }
    return marks.contains('W') ? marks : marks.replace(last, 1, 'L');
}

// The column a piece dropped into `column` goes to: it, or the next open one to its right, round
// the board's edge. The board has an open column.
int openFrom(const QString& cells, int column) {
    return landingCell(cells, column) >= 0 ? column : openFrom(cells, (column + 1) % 7);
}

// The cells where `piece` would complete a line with its next move.
Cells winningCells(const QString& cells, QChar piece) {
    Cells wins;
    for (int column = 0; column < 7; ++column) {
        QString after = cells;
        const int cell = landingCell(cells, column);
        if (cell >= 0 && !lineCells(after.replace(cell, 1, piece)).isEmpty()) {
            wins.append(cell);
        }
    }
    return wins;
}
// Marks every text that goes through translation.
struct MarkingTranslator final : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
        return '<' + QString::fromUtf8(source) + '>';
    }
};
} // namespace

class TestWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;
    std::mt19937 engine; // seeded anew for each test, so that each can be run alone

    int randomOpenMarker() {
        Cells open;
        std::copy_if(board::markers.begin(), board::markers.end(), std::back_inserter(open),
                     [&](int marker) { return form->markerVisible(marker); });
        return open.isEmpty() ? -1 : open.at(int(engine() % open.size()));
    }

    // Where the keyboard goes from `at` (-1: nowhere yet) with `key`, as the player expects.
    int keyboardAfter(int at, Qt::Key key) const {
        const int step = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int digit = key - Qt::Key_1;
        if (digit >= 0 && digit < 7) {
            return form->markerVisible(42 + digit) ? 42 + digit : at;
        }
        if (at >= 0 && at < 42) { // along its row, up and down its column, up to its marker
            const int next = key == Qt::Key_Up ? at + 7 : key == Qt::Key_Down ? at - 7 : at + step;
            const bool stays = next < 0 || (step != 0 && next / 7 != at / 7) ||
                               (next >= 42 && !form->markerVisible(next));
            return stays ? at : next;
        }
        if (key == Qt::Key_Down) { // into the top row
            return 35 + std::max(at - 42, 0);
        }
        for (int marker = at < 0 ? (step > 0 ? 42 : 48) : at + step;
             step != 0 && marker >= 42 && marker <= 48; marker += step) {
            if (form->markerVisible(marker)) { // the next open column
                return marker;
            }
        }
        return at;
    }

private slots:
    void init() {
        game = std::make_unique<TestGame>(freePort());
        form = game->form.get();
        engine.seed(20261209);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Whatever the player chooses from the Game menu, in any order, headings and separators too,
    // the menu shows the mode in force checked and greys what cannot be chosen in it: a
    // session's mode locks the others, and New, until Disconnect. A mode chosen anew, even the
    // one checked, starts a new game; a session's mode chosen again, or anything greyed, changes
    // nothing. Only a waiting host listens and is offered on the network, only a session has a
    // status line, and a session given up, even one still connecting, leaves no socket behind.
    void menuFollowsTheMode() {
        static const QHash<int, QString> menus{{mnuOnePlayer, "0 3* 4 7 8 9-"},
                                               {mnuTwoPlayers, "0 3 4* 7 8 9-"},
                                               {mnuWaitForConnection, "0- 3- 4- 7* 8- 9"},
                                               {mnuConnectToOpponent, "0- 3- 4- 7- 8* 9"}};
        const auto inSession = [](int mode) {
            return mode == mnuWaitForConnection || mode == mnuConnectToOpponent;
        };
        int mode = mnuOnePlayer;
        for (int step = 0; step < 400; ++step) {
            const QByteArray where = QByteArray::number(step);
            const int command = int(engine() % 10);
            const bool anew = inSession(mode) ? command == mnuDisconnect
                                              : command == mnuNew || menus.contains(command);
            setBoard(*form, "RB");
            form->setMouseIcon(form->imgBico);
            form->ComputerTurn = form->GameActive = False;
            form->mnusubGame().trigger(command); // as the player chooses: check marks too
            mode = !anew || command == mnuNew ? mode
                   : command == mnuDisconnect ? mnuOnePlayer
                                              : command;
            const bool waits = mode == mnuWaitForConnection;
            const bool session = inSession(mode);
            const bool localGame = anew && !session; // a session's game waits for the greetings
            QVERIFY2(menuState(*form) == menus[mode], where);
            QVERIFY2(boardText(*form) == (anew ? QString(42, '.') : "RB" + QString(40, '.')),
                     where);
            // A mode chosen lets the computer answer again; New leaves that as it was.
            QVERIFY2(form->GameActive == toBool16(localGame) &&
                         form->ComputerTurn == toBool16(localGame && command != mnuNew),
                     where);
            QVERIFY2(form->pointerShowsRed() == (anew && (waits || mode == mnuOnePlayer)), where);
            QVERIFY2((form->wsListen.state() == TcpSocketControl::State::Listening) == waits &&
                         game->discovery.offered.isEmpty() == !waits &&
                         form->Label1().text().isEmpty() == !session,
                     where);
            // Still connecting, the refusal would come; given up, nothing is left of it.
            QTRY_VERIFY2(
                mode == mnuConnectToOpponent || qApp->findChildren<QTcpSocket*>().isEmpty(), where);
        }
    }

    // However a player mixes keys and the pointer, the keyboard is where the player expects it,
    // which is what a screen reader is told has the focus, and the board is read as it stands
    // after every step: Left and Right go to the next open
    // column, or along a row inside the board; Down goes into the board's top row and down it,
    // Up back up and out to its column; keys 1 to 7 go to their open column and play it, and the
    // pointer over a marker goes there too. Enter or Space plays the keyboard's column, which
    // the arrow shows while the game takes input. A key held down repeats but plays once; cells,
    // the right button and other keys play nothing; F2 starts a new game. The pointer over a
    // cell or the background leaves no arrow. Ctrl+Q closes the window.
    void oneColumnForKeysPointerAndScreenReader() {
        const Translations english({"C"});         // "1 piece"
        form->mnusubGame().trigger(mnuTwoPlayers); // one piece a move
        // The menu's shortcut works in the active window, which a compositor without a keyboard
        // (headless Weston) never picks: the test makes the game's window that one itself, the
        // one way a public API offers, which newer Qt calls deprecated.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(form);
        QT_WARNING_POP
        QVERIFY(QTest::qWaitForWindowActive(form));
        static constexpr std::array keys{Qt::Key_1,      Qt::Key_4,     Qt::Key_7,  Qt::Key_8,
                                         Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                         Qt::Key_Return, Qt::Key_Space, Qt::Key_F2};
        int keyboard = -1; // a cell, a marker, or nowhere yet
        for (int action = 0; action < 3000; ++action) {
            const QByteArray where = QByteArray::number(action);
            const QString before = boardText(*form);
            const bool takesInput = form->GameActive == True;
            const Qt::Key key = keys.at(engine() % keys.size());
            const bool held = engine() % 4 == 0 && key != Qt::Key_F2;
            const unsigned choice = engine() % 8;
            const bool pressed = choice > 1;
            const int keyboardBefore = keyboard;
            if (pressed) {
                keyboard = keyboardAfter(keyboard, key);
                keyboard = held ? keyboardAfter(keyboard, key) : keyboard; // a repeat moves on
            }
            if (choice == 0) { // the arrow under the pointer over a marker; a label keeps it
                const QPoint at(int(engine() % 344), int(engine() % 314));
                pointAt(form->centralWidget(), at);
                QWidget* under = form->centralWidget()->childAt(at);
                const auto* box = qobject_cast<PictureBox*>(under);
                const int pointed = box != nullptr && box->index() >= 42 ? box->index() - 42 : -1;
                QTRY_VERIFY2(!takesInput || qobject_cast<Label*>(under) != nullptr ||
                                 heldArrows(*form).indexOf('N') == pointed,
                             where);
                keyboard = takesInput && pointed >= 0 ? 42 + pointed : keyboard;
            } else if (choice == 1) {
                QTest::mouseClick(&form->Image1(int(engine() % 42)), Qt::LeftButton);
                QTest::mouseClick(&form->Image1(42 + int(engine() % 7)), Qt::RightButton);
            } else if (held) { // repeated as a window system sends it: a release and a press
                               // that Qt marks as a repeat, or a plain press (X11's, once asked)
                QTest::keyPress(form, key);
                const bool marked = engine() % 2 == 0;
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
                if (marked) {
                    QApplication::sendEvent(form, &release);
                }
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), marked);
                QApplication::sendEvent(form, &repeat);
                QTest::keyRelease(form, key);
            } else {
                QTest::keyClick(form, key);
            }
            QVERIFY2(readOut(*form) == meantReadOut(*form, keyboard), where); // as things stand
            if (pressed && key == Qt::Key_F2) {
                QVERIFY2(boardText(*form) == QString(42, '.'), where);
                continue;
            }
            const bool digit = key >= Qt::Key_1 && key <= Qt::Key_7;
            const int column = digit                ? key - Qt::Key_1
                               : keyboardBefore < 0 ? -1
                                                    : keyboardBefore % 7;
            const bool played = pressed &&
                                (digit || key == Qt::Key_Return || key == Qt::Key_Space) &&
                                takesInput && column >= 0 && before.at(35 + column) == '.';
            const Cells placed = changedCells(before, boardText(*form));
            QVERIFY2(placed.size() == (played ? 1 : 0), where);
            QVERIFY2(!played || placed.first() % 7 == column, where);
            QString arrow(7, 'u'); // painted after a key the game knows, while it takes input
            if (keyboard >= 0 && form->markerVisible(42 + keyboard % 7)) {
                arrow[keyboard % 7] = 'N';
            }
            QVERIFY2(!pressed || key == Qt::Key_8 || form->GameActive != True || keyboard < 0 ||
                         paintedBoard(*form).endsWith(' ' + arrow),
                     where);
        }
        QTest::keyClick(form, Qt::Key_Q, Qt::ControlModifier); // leaving by keyboard closes it
        QVERIFY(!form->isVisible());
    }

    // Drawn for the screen at scale factor 2, the test's, the pointer at its logical size. A
    // piece falls down its column, its cell drawn empty until it lands, and the computer's reply
    // after it, each marked as it lands. A click meanwhile plays at once, every piece played
    // before it landing at once; a new game drops what falls, a result box leaves the final
    // board behind it. Landed, the window is drawn exactly as where the style wants no motion,
    // where the first frame already shows both pieces.
    void piecesFallIntoPlace() {
        QCOMPARE(form->R.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(form->cursor().pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(form->cursor().hotSpot(), QPoint(16, 16));
        form->setStyle(nullptr); // the style of the desktop, which lets pieces fall
        TestGame still;
        still.form->show();
        const auto frame = [](Form1& w) { return w.grab().toImage(); };
        // The piece seen at a place of `element` in a frame: low in a disc, off the last piece's
        // dot and the blue piece's ring.
        const auto seen = [&](const QImage& drawn, int element, QPoint at = {20, 34}) {
            return pieceOf(colourAt(drawn, form->Image1(element), at));
        };
        const auto click = [&](int marker) {
            QTest::mouseClick(&still.form->Image1(marker), Qt::LeftButton);
            QTest::mouseClick(&form->Image1(marker), Qt::LeftButton);
            QCOMPARE(boardText(*form), boardText(*still.form));
        };
        const auto look = [&](const QImage& drawn) {
            QString column; // from the marker down to Red's cell
            for (int y = -236; y < 0; y += 4) {
                column += seen(drawn, 0, {20, y});
            }
            return QString() + seen(drawn, 0) + seen(drawn, 3) + seen(drawn, 0, {20, 20}) +
                   (column.contains('R') ? "^" : "");
        };
        click(42);
        QVERIFY(look(frame(*still.form)).startsWith("RB"));
        QStringList frames; // Red's cell, Blue's, the last piece's dot on Red's, Red's above
        const auto* falls = form->findChild<PieceFalls*>();
        const auto watch = [&] {
            frames << look(frame(*form));
            return !falls->falling();
        };
        QVERIFY(QTest::qWaitFor(watch));
        const QString all = frames.join(' ');
        QVERIFY2(all.contains("...^") && all.contains("R.?") && !all.contains(".B"),
                 qPrintable(all));
        QCOMPARE(frame(*form), frame(*still.form));
        click(43);
        click(44); // while the last two fall
        const QImage next = frame(*form);
        QCOMPARE(QString() + seen(next, 1) + seen(next, 2), "R.");
        QVERIFY(QTest::qWaitFor(watch) && frame(*form) == frame(*still.form));
        click(45);
        for (Form1* both : {form, still.form.get()}) {
            both->mnusubGame().trigger(mnuNew);
            setBoard(*both, "RRR");
        }
        QCOMPARE(frame(*form), frame(*still.form));
        click(45); // "You Win": once its box is closed, the last piece is in and the line drawn
        QCOMPARE(frame(*form), frame(*still.form));
    }

    // The About box is modal; its links turn blue under the pointer and open on a left click,
    // or on Space; a right click opens nothing, and a screen reader's press does nothing under a
    // box of their own. (The desktop test reaches a link with Tab and follows it with Return, and
    // presses the other as a screen reader does.)
    void aboutBox() {
        QTimer::singleShot(0, this, [&] {
            auto* about = dynamic_cast<Form2*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr && about->windowTitle() == "About");
            const auto closeOnFailure = qScopeGuard([about] { about->close(); });
            QCOMPARE(QtDialogs::windowInFront(form), about); // its boxes go over it
            const std::array<LinkLabel*, 2> links{&about->Label2(), &about->Label13()};
            for (const QPoint at :
                 {links[0]->geometry().center(), links[1]->geometry().center(), QPoint(2, 2)}) {
                pointAt(links[0]->parentWidget(), at); // over one link, the other, then neither
                for (const LinkLabel* link : links) {
                    const bool under = link->geometry().contains(at);
                    QTRY_COMPARE(link->foreColor(), QColor(under ? Qt::blue : Qt::black));
                }
            }
            QMessageBox over(about);
            over.open(); // a box over the About box: the link is not pressed under it
            const QString press = QAccessibleActionInterface::pressAction();
            accessible(about->Label13())->actionInterface()->doAction(press);
            QCoreApplication::sendPostedEvents();
            over.hide();
            QTest::keyClick(&about->Label13(), Qt::Key_Space);
            QTest::mouseClick(&about->Label2(), Qt::RightButton);
            game->urls.canOpen = false; // no mail program: the address is shown to be copied
            QTest::mouseClick(&about->Label2(), Qt::LeftButton);
            about->Command1().click();
        });
        form->mnuAbout_Click(); // returns once OK has closed the box
        const QUrl web{QString(project::homepage)}, mail{"mailto:" + QString(project::email)};
        QCOMPARE(game->urls.opened, QList<QUrl>({web, mail}));
        QVERIFY(game->dialogs.texts.value(0).endsWith("\ntavelin@example.org"));
    }

    // The language is English where it comes first, and in the C locale, with its plural forms;
    // else the first with a catalogue. Every text the player meets goes through translation: on the
    // window, in play and in a network session, in its boxes and in the About box. Every label on
    // the white surfaces paints it black on white, as the design has it (the links until the
    // pointer is over them), under a light palette or a dark one whose text is white, and not cut
    // off where it is too long for its place.
    void everyTextIsTranslatedAndReadable() {
        QCOMPARE(Translations({"en-GB", "de"}).language() + '|' +
                     Translations({"C", "ja", "de-AT", "fr"}).language(),
                 "en|de_DE");
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
        for (const QPalette& palette : {light, QPalette(QColor(60, 60, 60), QColor(40, 40, 40))}) {
            QApplication::setPalette(palette);
            TestGame themed;
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

    // Random games against the computer, the first as the window opens, ready for one player,
    // then between two players. Every click adds a piece of the mover's colour on top of its
    // column, and against the computer one Blue reply where it would fall: after the opening it
    // wins whenever it can, else it blocks whenever Red threatens to win, else it plays the column
    // drawn or passes it on to the right. A column closes exactly when it fills, a win is told
    // exactly when there is a line of four, every such line is drawn through (else the piece is
    // marked as the last), the board painted is the board held, and a screen reader hears the move
    // with the column it fills and the four it makes. Between two players the winner's colour stays
    // on the pointer to open the next game. Once a game is over, clicks play nothing. The first
    // game between two players is a draw, and heard as one. Each game starts on an empty board,
    // painted so, its mode checked in the menu.
    void randomGames() {
        const QString drawn = "020000101111414222232333343644545556666565";
        // Red to move, in play, the pointer red: the first game's first click shows them.
        QVERIFY(form->FirstComputerMove == True && form->ComputerTurn == False);
        for (int played = 0; played < 600; ++played) {
            const bool alone = played < 300; // against the computer
            if (played > 0) {                // as the player chooses: check marks too
                form->mnusubGame().trigger(played == 300 ? mnuTwoPlayers : mnuNew);
            }
            QCOMPARE(menuState(*form) + ' ' + paintedBoard(*form),
                     (alone ? "0 3* 4 7 8 9- " : "0 3 4* 7 8 9- ") + QString(42, '.') + ' ' +
                         QString(42, '.') + ' ' + heldArrows(*form));
            int move = 0;
            const auto nextMarker = [&] {
                return played == 300 && move < 42 ? 42 + drawn.at(move++).digitValue()
                                                  : randomOpenMarker();
            };
            for (int marker = nextMarker(); marker >= 0; marker = nextMarker()) {
                const bool red = form->pointerShowsRed(), opening = form->FirstComputerMove == True;
                QString expected = boardText(*form);
                const int landing = landingCell(expected, marker - 42);
                expected[landing] = red ? 'R' : 'B';
                const float random = float(engine() % 100) / 100.0F;
                game->random.values = {random};
                game->dialogs.texts.clear();
                form->Image1_Click(marker);
                const QString after = boardText(*form);
                const Cells reply = changedCells(expected, after);
                const bool won = !lineCells(expected).isEmpty(),
                           lost = !won && !lineCells(after).isEmpty();
                QCOMPARE(reply.size(), alone && !won ? 1 : 0);
                const int last = reply.isEmpty() ? landing : reply.first();
                QCOMPARE(paintedBoard(*form),
                         after + ' ' + marksExpected(after, last) + ' ' + heldArrows(*form));
                const char* result = alone ? "You Win" : red ? "Red Win" : "Blue Win";
                QCOMPARE(game->dialogs.texts.value(0), won ? result : lost ? "You Lose" : "");
                QCOMPARE(form->pointerShowsRed(), alone || won == red);
                QCOMPARE(form->markerVisible(42 + last % 7), last < 35 && !won && !lost);
                const QString column = QString::number(marker - 41), told = heard(*form);
                QVERIFY2(told.startsWith(QString("%1, column %2, row %3.")
                                             .arg(red ? "Red" : "Blue", column)
                                             .arg(landing / 7 + 1)) &&
                             told.contains("Column " + column + " is full.") ==
                                 (after.at(landing % 7 + 35) != '.') &&
                             told.contains("Four in a row: column") == (won || lost),
                         qPrintable(told));
                if (alone && !won) {
                    const Cells wins = winningCells(expected, 'B');
                    const Cells wanted = wins.isEmpty() ? winningCells(expected, 'R') : wins;
                    // With nothing to win or block, the column drawn, or the next open one right.
                    const int column = openFrom(expected, int(std::floor(double(random) * 7)));
                    QVERIFY2(after.at(last) == 'B' && last == landingCell(expected, last % 7) &&
                                 (opening ||
                                  (wanted.isEmpty() ? last % 7 == column : wanted.contains(last))),
                             qPrintable(expected));
                }
            }
            const QString over = boardText(*form);
            form->Image1_Click(45);
            QVERIFY(boardText(*form) == over &&
                    (played != 300 || heard(*form).endsWith("The board is full: a draw.")));
        }
    }
    // With no rule to play, the computer's column is drawn from the game's own random sequence,
    // each column alike, a full one passing its draws on to the next open column to the right:
    // over positions with full columns, a chi-square bound that a correct draw exceeds about
    // once in 10^11 runs (the positions are seeded, the game's sequence is not).
    void randomRepliesSpreadOverOpenColumns() {
        ClockRandom sequence;
        Form1 real({game->dialogs, sequence, game->urls, game->sockets, game->discovery, {}});
        real.FirstComputerMove = False;
        real.ComputerTurn = True;
        double chiSquare = 0;
        int freedom = 0;
        while (freedom < 150) {
            // Columns of random heights, a third of them full, one at least with room; every line
            // of four holds two pieces of each colour at most, so that no rule has anything to
            // play.
            QString cells(42, '.');
            const int open = int(engine() % 7);
            for (int column = 0; column < 7; ++column) {
                const int height = column != open && engine() % 3 == 0 ? 6 : int(engine() % 6);
                for (int row = 0; row < height; ++row) {
                    cells[row * 7 + column] = (row / 2 + column) % 2 == 0 ? 'R' : 'B';
                }
            }
            QList<int> landed(7);
            const int draws = 140;
            for (int draw = 0; draw < draws; ++draw) {
                setBoard(real, cells);
                real.RedTurn = False;
                real.TryWinStraight();
                // That it lands on top of an open column, randomGames sees.
                const Cells placed = changedCells(cells, boardText(real));
                QCOMPARE(placed.size(), 1);
                ++landed[placed.first() % 7];
            }
            QList<double> expected(7); // its own draws, and those of the full columns to its left
            for (int drawn = 0; drawn < 7; ++drawn) {
                expected[openFrom(cells, drawn)] += draws / 7.0;
            }
            for (int column = 0; column < 7; ++column) {
                const double share = expected.at(column);
                chiSquare += share == 0 ? 0 : std::pow(landed.at(column) - share, 2) / share;
                freedom += share == 0 ? 0 : 1;
            }
            --freedom;
        }
        QVERIFY2(chiSquare < 2 * freedom, qPrintable(QString::number(chiSquare)));
    }

    // Which of two wins is played, the random move never passes the last column, and where the
    // first reply goes. (That no line wraps round the board's edge, the random games see.)
    void replies() {
        const QList<std::tuple<QString, float, int>> cases{
            {"RR.R...RRRR...BBB....B......B", 0, 17}, // a row win before a column's
            {".......B.B.....B.B.....BRB", 0, 1},     // of two rising wins, the lower one
            {"RB.....BB.....BB.....B", 0, 28},        // of two column wins, the left one
            {"......R......R......R......R......R......R", std::nextafter(1.0F, 0.0F), 0},
            // The first reply: beside Red's piece in the middle, right for draws 0 to 50 of 100.
            {"...R", 0.505F, 4},
            {"...R", 0.515F, 2},
            {"R", 0.99F, 3}};
        for (const auto& [board, random, played] : cases) {
            form->NewGame();
            setBoard(*form, board);
            form->FirstComputerMove = toBool16(board.count('R') == 1 && !board.contains('B'));
            form->RedTurn = False;
            form->ComputerTurn = True;
            game->random.values = {random};
            form->TryWinStraight();
            QCOMPARE(changedCells(board.leftJustified(42, '.'), boardText(*form)), Cells{played});
        }
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
