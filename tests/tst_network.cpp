// SPDX-License-Identifier: GPL-3.0-or-later
// Network play: the host look-ups, the message format, and whole sessions of two windows in
// one process over loopback, or of a window and a raw peer sending exact bytes.
#include "net/dnssdrecords.h"
#include "support/paintedboard.h"
#include "support/testplatform.h"
#include "toolkit/handlergate.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"

#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <random>

using namespace tavelin;
using namespace tavelin::test;

namespace {
bool inOnePlayerMode(const Form1& form) {
    return menuState(form) == "0 3* 4 7 8 9-" && form.Label1().text().isEmpty() &&
           form.Label2().text().isEmpty();
}

bool greeted(const Form1& form) {
    return form.AwaitingGreeting == False && !inOnePlayerMode(form);
}

// Runs the event loop until `condition` holds, for 5 s at most. Between rounds the loop sleeps
// until something happens, the deadline at the latest: the properties below wait thousands of
// times, mostly for a moment.
bool waitFor(const std::function<bool()>& condition) {
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(5000);
    while (!condition() && deadline.isActive()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return condition();
}

// One thing a player does: click an element on show (a column's marker as often as the rest),
// or, seldom, choose New.
void playerAction(Form1& form, std::mt19937& engine) {
    const unsigned choice = engine() % 40;
    PictureBox& picture = form.Image1(int(choice < 20 ? engine() % 49 : 42 + engine() % 7));
    if (choice == 0) {
        form.mnusubGame().trigger(mnuNew);
    } else if (!picture.isHidden()) {
        QTest::mouseClick(&picture, Qt::LeftButton);
    }
}

// A real modal box over `owner`, up while `meanwhile` runs inside its loop and for `held`
// after, as a player takes a while to read it.
void whileABoxIsUp(Form1& owner, std::chrono::milliseconds held,
                   const std::function<void()>& meanwhile) {
    QMessageBox box(QMessageBox::Information, "Tavelin", "A box", QMessageBox::Ok, &owner);
    QTimer::singleShot(0, &box, [&] {
        meanwhile();
        QTimer::singleShot(held, &box, &QDialog::accept);
    });
    HandlerGate::runModal(box);
}

// A random session as a peer sends it: its greeting (with a line feed, or alone as an older
// peer sends it), then what it sends between the host's moves, a move most often; now and then
// "50" last.
QByteArrayList randomSession(std::mt19937& engine) {
    const bool lineFeed = engine() % 3 != 0;
    QByteArrayList session{QByteArray("abc.-09xyz").left(1 + int(engine() % 10)) +
                           (lineFeed ? "\n" : "")};
    for (unsigned messages = engine() % 12; messages > 0; --messages) {
        if (session.size() == 1 ? !lineFeed : engine() % 2 == 0) {
            session.append(QByteArray());
        }
        session.back() +=
            engine() % 8 == 0 ? QByteArray("49") : QByteArray::number(42 + engine() % 7);
    }
    session.back() += engine() % 4 == 0 ? "50" : "";
    return session;
}

} // namespace

class TestNetwork : public QObject {
    Q_OBJECT

    quint16 port = 0;
    std::unique_ptr<TestGame> host;
    std::unique_ptr<TestGame> guest;

    // Hands a waiting host a session's parts, cut before each byte where `cutBefore` says (its
    // offset into the whole), the host moving after each part but the last; then what its player
    // sees: the status line, the board, the boxes and what a screen reader was told last.
    QString play(const QByteArrayList& session, const std::function<bool(qsizetype)>& cutBefore) {
        Form1& form = *host->form;
        enterSession(form, mnuWaitForConnection);
        host->dialogs.texts.clear();
        qsizetype offset = 0; // of the next byte, in the whole
        for (qsizetype part = 0; part < session.size(); ++part) {
            QByteArray piece;
            for (const char byte : session.at(part)) {
                if (!piece.isEmpty() && cutBefore(offset)) {
                    form.wsServer.receive(QString::fromLatin1(std::exchange(piece, {})));
                }
                piece += byte;
                ++offset;
            }
            form.wsServer.receive(QString::fromLatin1(piece));
            // Until the greeting is taken and the game has reacted; where it never is, the
            // outcome tells.
            waitFor(
                [&] { return form.AwaitingGreeting == False && !HandlerGate::hasWaitingEvents(); });
            const int marker = board::markerOfColumn(int(part % board::columns));
            if (part + 1 < session.size() && form.markerVisible(marker)) {
                form.Image1_Click(marker); // the host's move, where its column is open
            }
        }
        return QStringList{form.Label1().text(), boardText(form), host->dialogs.texts.join(','),
                           heard(form)}
            .join('|');
    }

private slots:
    void init() {
        port = freePort();
        host = std::make_unique<TestGame>(port);
        guest = std::make_unique<TestGame>(port);
        host->sockets.name = QByteArray("hosthost");
        guest->sockets.name = QByteArray("guesthost");
    }

    // Each failing call is told as the user expects, and the library session is closed again
    // (but where the library is too old); a failed clean-up spoils nothing. Version 1.1 will do,
    // its byte order as the library gives it.
    void socketLibrary() {
        using enum Dialogs::Style;
        const QList<std::tuple<QString, std::int16_t, Dialogs::Style, QString, int>> failures{
            {"startup", 0x0101, Exclamation, "Winsock Not Responting", 0},
            {"name", 0x0101, Plain, "Windows Sockets Error : 10093", 0},
            {"address", 0x0101, Exclamation, "Windows Not Responting", 0},
            {"cleanup", 0x0101, Exclamation, "Winsock Not Responting", 1},
            {"version", 0x0001, Plain, "Version Sockets = 1.0Too Lo", 1}};
        for (const auto& [failing, version, style, told, leftOpen] : failures) {
            TestGame side;
            side.sockets.offered.version = version;
            side.sockets.failing = failing;
            side.form->GetIPAddress();
            side.sockets.answerHeld();
            QTRY_COMPARE(side.dialogs.texts, QStringList{told});
            QVERIFY(side.dialogs.looks == QList{style} && side.sockets.sessionsOpen == leftOpen);
        }
        // The window does not wait for the resolver: the address line fills in when it answers.
        // (Where the name resolves to loopback, the address shown: the network test.)
        host->form->mnusubGame_Click(mnuWaitForConnection);
        QCOMPARE(host->form->Label2().text(), "IP Address ");
        host->sockets.answerHeld();
        QTRY_COMPARE(host->form->Label2().text(), "IP Address 10.0.0.7:" + QString::number(port));
    }

    // Whatever the players do on either side, with the network delivering between steps, the
    // two boards agree: the same pieces, the same open columns, the same winner. Each sequence
    // is a new session, and players may act before its greetings have gone both ways. Now and
    // then a real box is up on one side while the guest connects, for longer than either side
    // waits for a greeting; the session goes on as if it were not (a move that comes while a box
    // is up: rawPeer). A host that has its guest is no longer offered on the network.
    void bothBoardsAlwaysAgree() {
        const Form1& h = *host->form;
        const Form1& g = *guest->form;
        const QStringList& hostTold = host->dialogs.texts;
        const QStringList& guestTold = guest->dialogs.texts;
        const auto sameColumn = [&](int m) { return h.markerVisible(m) == g.markerVisible(m); };
        const auto connect = [&] { guest->form->mnusubGame_Click(mnuConnectToOpponent); };
        for (unsigned seed = 0; seed < 1000; ++seed) {
            std::mt19937 engine(seed);
            // Both sides leave any session without a word; the host waits, the guest connects.
            host->form->mnusubGame_Click(mnuOnePlayer);
            guest->form->mnusubGame_Click(mnuOnePlayer);
            host->form->mnusubGame_Click(mnuWaitForConnection);
            guest->dialogs.answers = {"127.0.0.1"};
            Form1& boxOwner = *(engine() % 2 == 0 ? host : guest)->form;
            bool connected = seed % 100 == 0;
            connected ? whileABoxIsUp(boxOwner, TestGame::greetingLimit * 3 / 2, connect)
                      : connect();
            QVERIFY2(!connected || waitFor([&] { return greeted(h) && greeted(g); }),
                     qPrintable(hostTold.join(',') + '|' + guestTold.join(',')));
            for (int step = 0, steps = 1 + int(engine() % 60); step < steps; ++step) {
                const QByteArray where = QString("seed %1, step %2").arg(seed).arg(step).toUtf8();
                TestGame& actor = engine() % 2 == 0 ? *host : *guest;
                Form1& peer = actor.form == host->form ? *guest->form : *host->form;
                actor.form->MoveText.clear();
                peer.ReceivedText.clear();
                if (!connected && engine() % 4 == 0) {
                    QVERIFY2(waitFor([&] { return greeted(h) && greeted(g); }), where);
                    connected = true;
                } else {
                    playerAction(*actor.form, engine);
                }
                const QString& sent = actor.form->MoveText;
                QVERIFY2(!connected || sent.isEmpty() ||
                             waitFor([&] { return peer.ReceivedText == sent; }),
                         where);
                QVERIFY2(boardText(h) == boardText(g) &&
                             std::ranges::all_of(board::markers, sameColumn) &&
                             hostTold.count("You Win") == guestTold.count("You Lose") &&
                             hostTold.count("You Lose") == guestTold.count("You Win"),
                         where);
                if (seed < 100) { // each window shows the board both hold, with the same marks
                    const QString seen = paintedBoard(h);
                    QVERIFY2(seen.startsWith(boardText(h)) &&
                                 paintedBoard(g) == boardText(g) + seen.mid(42),
                             where);
                }
            }
        }
        QVERIFY(waitFor([&] { return greeted(h) && greeted(g); }) &&
                h.Label1().text() == "hosthost Connected guesthost" &&
                g.mnusubGame().enabled(mnuNew) && host->discovery.offered.isEmpty());
    }

    // However the network cuts what a peer sends, a host makes the same game of it as of one
    // whole delivery: the same name on show, the same moves played, the same board, boxes and
    // words for a screen reader. A session is what the peer sends between the host's own
    // moves, its greeting first; a greeting ended by a line feed may be cut anywhere, and one
    // without (an older peer's) comes alone, the moves only once its name is on show. Some
    // sessions are set, to say what the game makes of them: the name as plain text without
    // control characters, 64 at most; one move a turn; a move, then farewell; the status and
    // the move that came with it heard together, in that order; a new game the peer starts heard
    // as one; what is no message dropped.
    void anyCutGivesTheSameGame() {
        QList<std::tuple<QByteArrayList, QString, QString, QString>> sessions{
            {{"peer\n42"}, " Connected peer", "B", "| Connected peer Blue, column 1, row 1."},
            {{"peer", "42"}, " Connected peer", "R......B", "|Blue, column 1, row 2."},
            {{"<i>x</i>\x01\r" + QByteArray(99, 'n') + '\n'},
             " Connected <i>x</i>" + QString(56, 'n'),
             "",
             "| Connected <i>x</i>" + QString(56, 'n')},
            {{"g\n4243", "44"}, " Connected g", "B.B....R", "|Blue, column 3, row 1."},
            {{"g\n42", "4650"}, "", "", "Disconnected|Blue, column 5, row 1."},
            {{"g\n42", "49"}, " Connected g", "", "|New game."},
            {{"g\n4:", "99"}, " Connected g", "R", "| Connected g Red, column 1, row 1."}};
        std::mt19937 engine(38);
        for (int random = 0; random < 30; ++random) {
            sessions.append({randomSession(engine), QString(), QString(), QString()});
        }
        for (const auto& [session, status, board, toldAndHeard] : sessions) {
            const QString whole = play(session, [](qsizetype) { return false; }); // uncut
            QVERIFY2(status.isNull() ||
                         whole == status + '|' + board.leftJustified(42, '.') + '|' + toldAndHeard,
                     qPrintable(whole));
            // Each cut point alone, then random sets of them.
            const qsizetype length = session.join().size();
            for (qsizetype split = 1; split < length + 8; ++split) {
                QCOMPARE(play(session,
                              [&](qsizetype at) {
                                  return split < length ? at == split : engine() % 3 == 0;
                              }),
                         whole);
            }
        }
        QCOMPARE(host->form->Label1().textFormat(), Qt::PlainText); // markup is shown as it is
    }

    // A raw peer's session on a real connection, ended while a box holds the host's handlers
    // back, step by step: "s…" the peer sends the bytes, "lose" it vanishes, "off" the host
    // disconnects, "close" the host's window closes. Each row: the steps, what the host is told,
    // and what the peer reads after the greeting.
    void rawPeer() {
        const QList<std::tuple<QString, QStringList, QByteArray>> rows{
            {"lose", {"Disconnected"}, ""}, // a lost connection is told once
            {"s43 off", {}, "50"},          // what was on its way is not played
            {"s50 close", {}, "50"}};       // nothing reaches a closing window
        for (const auto& [steps, told, received] : rows) {
            init();
            // While a box is up, a connection that does not greet in time is let go without a
            // word, and the next one is greeted, with a line feed. Its greeting and first move,
            // in one write, are read then, and played once the box is closed, not in its loop.
            host->form->mnusubGame_Click(mnuWaitForConnection);
            QTcpSocket raw;
            whileABoxIsUp(*host->form, {}, [&] {
                QTcpSocket silent;
                silent.connectToHost(QHostAddress::LocalHost, port);
                QVERIFY(
                    waitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }));
                raw.connectToHost(QHostAddress::LocalHost, port);
                raw.write("raw\n42");
                QVERIFY(waitFor(
                    [&] { return raw.bytesAvailable() == 9 && HandlerGate::hasWaitingEvents(); }));
                QCoreApplication::sendPostedEvents(); // as the box's own loop would
                QCOMPARE(boardText(*host->form)[0], '.');
            });
            QVERIFY(waitFor([&] { return boardText(*host->form)[0] == 'B'; }));
            QCOMPARE(raw.readAll(), "hosthost\n");

            const QHash<QString, std::function<void()>> actions{
                {"lose", [&] { raw.abort(); }},
                {"off", [&] { host->form->mnusubGame_Click(mnuDisconnect); }},
                {"close", [&] { host->form->close(); }}};
            {
                const HandlerGate::ModalScope box;
                for (const QString& step : steps.split(' ')) {
                    if (actions.contains(step)) {
                        actions[step]();
                    } else {
                        raw.write(step.mid(1).toLatin1()); // it is here, and waits for the box
                        QVERIFY(waitFor(HandlerGate::hasWaitingEvents));
                    }
                }
            }
            // Then the session is over, the connection closed: back in one-player mode, or in a
            // window that has closed.
            const QStringList& toldThen = told; // clang before 16 cannot capture a binding
            QVERIFY2(waitFor([&] {
                         return raw.state() == QAbstractSocket::UnconnectedState &&
                                host->dialogs.texts == toldThen && !HandlerGate::hasWaitingEvents();
                     }),
                     qPrintable(steps + ": " + host->dialogs.texts.join(',')));
            QCOMPARE(raw.readAll(), received);
            QCOMPARE(inOnePlayerMode(*host->form), !steps.endsWith("close"));
        }
    }

    // A game found at several addresses is joined at the one that reaches it, typed as the
    // player would type it. (Only a game that speaks this one's protocol is listed: the network
    // test.)
    void discovery() {
        const QList<std::pair<QString, QString>> addresses{
            {"fe80::1%veth0 2001:db8::1 10.0.0.7", "10.0.0.7:1007"},
            {"fe80::1%veth0 2001:db8::1", "[2001:db8::1]:1007"},
            {"fe80::1%veth0", "[fe80::1%veth0]:1007"},
            {"fe80::1", ""}}; // reaches nothing without its interface
        for (const auto& [found, typed] : addresses) {
            QList<QHostAddress> hosts;
            std::ranges::transform(found.split(' '), std::back_inserter(hosts),
                                   [](const QString& text) { return QHostAddress(text); });
            QCOMPARE(addressToType(hosts, 1007), typed);
        }
    }

    // Where a session cannot begin, it is told (or the player cancelled) and play goes back to
    // one player. Host and guest move to the fallback port from a reserved one, unless the
    // player chose the port or typed one. Each row: what the guest types (nothing: the side hosts
    // instead; "-": cancels; %1 the usual port, %2 the fallback), whether a fallback is offered,
    // the ports on the host's side ("busy", "reserved", or both; "silent": the host accepts and
    // says nothing; "playing": it has a guest already), and what the player is told.
    void startingASession() {
        const QList<std::tuple<QString, bool, QString, QString>> rows{
            {"127.0.0.1:%1", true, "", "Cannot connect to 127.0.0.1:"},
            {"127.0.0.1:%2", true, "playing", "127.0.0.1:%2: The other side is already playing"},
            {"127.0.0.1:%1", true, "silent", "sent nothing in time"},
            {"-", true, "", ""},
            {" 127.0.0.1 ", true, "", ""}, // no port typed: the fallback
            {"[::1]:%2", true, "", ""},
            {"[::1]2000", true, "", "is no address to connect to"},
            {"", false, "busy", "Cannot wait for a connection on port %1"},
            {"", true, "reserved", ""},                                // the fallback
            {"", false, "reserved", "reserved for the administrator"}, // chosen port
            {"", true, "reserved busy", "on port %2:"}};
        for (const auto& [typed, fallbackOffered, ports, told] : rows) {
            const bool hosting = typed.isEmpty();
            const quint16 fallback = freePort();
            const auto withPorts = [&](QString text) {
                return text.replace("%1", QString::number(port))
                    .replace("%2", QString::number(fallback));
            };
            TestGame side(port, fallbackOffered ? std::optional(fallback) : std::nullopt);
            TestGame hostOnFallback(fallback); // for a guest to reach
            TestGame& waiting = hosting ? side : hostOnFallback;
            QTcpServer occupant; // of the fallback port where the usual one is reserved
            const bool reserved = ports.contains("reserved");
            QVERIFY(!(ports.contains("busy") || ports == "silent") ||
                    occupant.listen(QHostAddress::Any, reserved ? fallback : port));
            side.sockets.privilegedPorts = {reserved ? port : quint16{0}};
            waiting.form->mnusubGame_Click(mnuWaitForConnection);
            // Where the side hosts, a guest greets it on the fallback port; where the host is
            // "playing", that guest is the host's, in before the side.
            QTcpSocket peer;
            if (hosting || ports == "playing") {
                peer.connectToHost(QHostAddress::LocalHost, fallback);
                peer.write("peer\n");
                QVERIFY(hosting || waitFor([&] { return greeted(*waiting.form); }));
            }
            if (!hosting) {
                side.dialogs.answers = {typed == "-" ? QString() : withPorts(typed)};
                side.form->mnusubGame_Click(mnuConnectToOpponent);
            }
            QVERIFY2(waitFor([&] { return greeted(*side.form) || inOnePlayerMode(*side.form); }) &&
                         greeted(*side.form) == (told.isEmpty() && typed != "-") &&
                         side.dialogs.texts.size() == (told.isEmpty() ? 0 : 1) &&
                         side.dialogs.texts.value(0).contains(withPorts(told)),
                     qPrintable(typed + '|' + ports + ": " + side.dialogs.texts.join(',')));
        }
    }
};

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
