// SPDX-License-Identifier: GPL-3.0-or-later
// Network play: the host look-ups, the message format, and whole sessions of two windows in
// one process over loopback, or of a window and a raw peer sending exact bytes.
#include "net/dnssdrecords.h"
#include "support/testplatform.h"
#include "toolkit/handlergate.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"
#include "toolkit/qtdialogs.h"
#include "window/narrator.h"

#include <QApplication>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <random>

#include <ifaddrs.h>
#include <net/if.h>

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

// The machine's IPv4 addresses on interfaces that are up, loopback aside, as the C library
// lists them.
QStringList upAddresses() {
    QStringList found;
    ifaddrs* list = nullptr;
    getifaddrs(&list);
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET &&
            (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0) {
            found << QHostAddress(entry->ifa_addr).toString();
        }
    }
    freeifaddrs(list);
    return found;
}

// Runs the event loop until `condition` holds, for 5 s at most. Unlike QTest::qWaitFor it
// does not sleep between rounds: the property below waits thousands of times.
bool waitFor(const std::function<bool()>& condition) {
    for (const QDeadlineTimer deadline(5000); !condition() && !deadline.hasExpired();) {
        QCoreApplication::processEvents();
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

} // namespace

class TestNetwork : public QObject {
    Q_OBJECT

    quint16 port = 0;
    std::unique_ptr<TestGame> host;
    std::unique_ptr<TestGame> guest;

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
            QCOMPARE(side.dialogs.looks.value(0).first, style);
            QCOMPARE(side.sockets.sessionsOpen, leftOpen);
        }
        // The window does not wait for the resolver: the address line fills in when it answers.
        // Where the host's name resolves to loopback, the address shown is one a guest can
        // reach: that of an interface that is up, loopback only where there is none.
        host->sockets.address = QByteArray("\x7F\x00\x01\x01", 4);
        host->form->mnusubGame_Click(mnuWaitForConnection);
        const Label& address = host->form->Label2();
        QCOMPARE(host->form->Label1().text() + '|' + address.text(),
                 "hosthost Waiting...|IP Address ");
        host->sockets.answerHeld();
        QTRY_VERIFY(address.text() != "IP Address ");
        const QString shown = address.text().section(' ', 2).section(':', 0, 0);
        const QStringList reachable = upAddresses();
        QVERIFY2(reachable.isEmpty() ? shown == "127.0.1.1" : reachable.contains(shown),
                 qPrintable(shown + " of " + reachable.join(' ')));
    }

    // Whatever the players do on either side, with the network delivering between steps, the
    // two boards agree: the same pieces, the same open columns, the same winner. Each sequence
    // is a new session, and players may act before its greetings have gone both ways.
    void bothBoardsAlwaysAgree() {
        const Form1& h = *host->form;
        const Form1& g = *guest->form;
        const QStringList& hostTold = host->dialogs.texts;
        const QStringList& guestTold = guest->dialogs.texts;
        const auto sameColumn = [&](int m) { return h.markerVisible(m) == g.markerVisible(m); };
        for (unsigned seed = 0; seed < 1000; ++seed) {
            std::mt19937 engine(seed);
            // Both sides leave any session without a word; the host waits, the guest connects.
            host->form->mnusubGame_Click(mnuOnePlayer);
            guest->form->mnusubGame_Click(mnuOnePlayer);
            host->form->mnusubGame_Click(mnuWaitForConnection);
            guest->dialogs.answers = {"127.0.0.1"};
            guest->form->mnusubGame_Click(mnuConnectToOpponent);
            bool connected = false;
            for (int step = 0, steps = 1 + int(engine() % 60); step < steps; ++step) {
                const QByteArray where = QString("seed %1, step %2").arg(seed).arg(step).toUtf8();
                TestGame& actor = engine() % 2 == 0 ? *host : *guest;
                Form1& peer = actor.form == host->form ? *guest->form : *host->form;
                actor.form->MoveText.clear();
                peer.ReceivedText.clear();
                if (!connected && engine() % 4 == 0) {
                    // The greetings go both ways; now and then a busy host reads the guest's
                    // only together with the guest's first move.
                    if (engine() % 2 == 0) {
                        const QSignalBlocker busy(host->form->wsServer);
                        QVERIFY2(waitFor([&] { return greeted(g); }), where);
                        QTest::mouseClick(&guest->form->Image1(42 + int(engine() % 7)),
                                          Qt::LeftButton);
                    }
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
            }
        }
        QVERIFY(waitFor([&] { return greeted(h) && greeted(g); }));
        QVERIFY(h.Label1().text() == "hosthost Connected guesthost" &&
                g.mnusubGame().enabled(mnuNew));
    }
    // What a peer sends to a host, one arrival at a time: its greeting, ended by a line feed or
    // (an older peer) by the end of the arrival, shown as plain text without control characters
    // and cut to 64; then messages, which may come together or in pieces, amid garbage that is
    // dropped. "c…" is the host's click on that marker instead.
    void receivedText() {
        // What arrives, one arrival after another; then the board, the status line and what a
        // screen reader was told last, where it matters.
        const QList<std::tuple<QStringList, QString, QString, QString>> rows{
            {{"peer\n42"}, "B", " Connected peer", "Blue, column 1, row 1."}, // with a move
            {{"peer42"}, "", " Connected peer42", ""},                        // an older peer
            {{"<i>x</i>\x01\r" + QString(99, 'n') + '\n'},
             "",
             " Connected <i>x</i>" + QString(56, 'n'),
             ""},
            {{"g\n", "4243", "44", "3", "-1", "xyz", "51", "41", "4", "5x49", "c42", "4", "6"},
             "B...B..R",
             " Connected g",
             ""}, // the peer moves once a turn, amid garbage
            {{"g\n42", "49"}, "", " Connected g", "New game."},
            {{"g\n", "4650"}, "", "", ""}}; // a move, then farewell
        for (const auto& [arrivals, board, status, heard] : rows) {
            Form1& form = *host->form;
            enterSession(form, mnuWaitForConnection, True);
            for (const QString& arrival : arrivals) {
                arrival.startsWith('c') ? form.Image1_Click(arrival.mid(1).toInt())
                                        : form.HandleReceivedText(arrival);
            }
            QCOMPARE(boardText(form), board.leftJustified(42, '.'));
            QCOMPARE(form.Label1().text(), status);
            QCOMPARE(form.Label1().textFormat(), Qt::PlainText); // markup is shown as it is
            QVERIFY(heard.isEmpty() || form.findChild<Notice*>()->accessibleName() == heard);
        }
    }

    // A raw peer's session on a real connection, step by step: "s…" it sends the bytes, "[" and
    // "]" hold the host's handlers back as a modal box does, "lose" the peer vanishes, "off" the
    // host disconnects, "close" the host's window closes, "closing" it closes during the next box.
    void rawPeer_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QByteArray>("received"); // what the peer reads after the greeting
        const QStringList lost{"Disconnected"};
        QTest::newRow("a lost connection is told once") << "[ lose ]" << lost << QByteArray();
        QTest::newRow("what was on its way is not played")
            << "[ s43 off ]" << QStringList() << QByteArray("50");
        QTest::newRow("the farewell is said once") << "closing s50" << lost << QByteArray("50");
        QTest::newRow("nothing reaches a closing window")
            << "[ s50 close ]" << QStringList() << QByteArray("50");
    }
    void rawPeer() {
        QFETCH(QString, steps);
        QFETCH(QStringList, told);
        QFETCH(QByteArray, received);
        // A connection that does not greet in time is let go without a word, and the host waits
        // on. The next one greets with its first move in the same write; the host's greeting
        // ends with a line feed.
        host->form->mnusubGame_Click(mnuWaitForConnection);
        QTcpSocket silent;
        silent.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }));
        QTcpSocket raw;
        raw.connectToHost(QHostAddress::LocalHost, port);
        raw.write("raw\n42");
        QVERIFY(
            waitFor([&] { return boardText(*host->form)[0] == 'B' && raw.bytesAvailable() == 9; }));
        QCOMPARE(raw.readAll(), "hosthost\n");

        std::optional<HandlerGate::ModalScope> box;
        const QHash<QString, std::function<void()>> actions{
            {"[", [&] { box.emplace(); }},
            {"]", [&] { box.reset(); }},
            {"lose", [&] { raw.abort(); }},
            {"off", [&] { host->form->mnusubGame_Click(mnuDisconnect); }},
            {"close", [&] { host->form->close(); }},
            {"closing", [&] { host->dialogs.whileShown = [&] { host->form->close(); }; }}};
        for (const QString& step : steps.split(' ')) {
            if (actions.contains(step)) {
                actions[step]();
            } else {
                raw.write(step.mid(1).toLatin1());
                QVERIFY(!box || waitFor(HandlerGate::hasWaitingEvents)); // it is here, and waits
            }
        }
        // Then the session is over: back in one-player mode, or in a window that has closed.
        QByteArray read;
        QVERIFY2(waitFor([&] {
                     read += raw.readAll();
                     return host->dialogs.texts == told && read == received &&
                            !HandlerGate::hasWaitingEvents();
                 }),
                 read);
        QCOMPARE(inOnePlayerMode(*host->form), !steps.endsWith(" close ]"));
    }

    // While a box is up, what the peer sends waits until it is closed: the box's own loop runs
    // no handler of the game's, and the board the box is about stays as it is.
    void aBoxHoldsThePeerBack() {
        QtDialogs real;
        Form1 form(
            {real, host->random, host->urls, host->sockets, host->discovery, {port, {}, {}}});
        form.mnusubGame_Click(mnuWaitForConnection);
        QTcpSocket raw;
        raw.connectToHost(QHostAddress::LocalHost, port);
        raw.write("raw\n");
        QVERIFY(waitFor([&] { return greeted(form); }));
        setBoard(form, "RRR");
        QTimer::singleShot(0, [&] {
            const auto close = qScopeGuard([] { QApplication::activeModalWidget()->close(); });
            raw.write("49"); // a new game, from the peer
            QVERIFY(waitFor(HandlerGate::hasWaitingEvents));
            QCoreApplication::processEvents(); // all the box's own loop has to deliver
            QCOMPARE(boardText(form).count('R'), 4);
        });
        form.Image1_Click(45); // the winning move: "You Win", in a real box
        QVERIFY(waitFor([&] { return boardText(form) == QString(42, '.'); }));
    }

    // The host is offered on the network while it waits, and no longer once a guest has greeted
    // or the window closes (Disconnect: in tst_window's menu commands).
    void offeredWhileWaiting() {
        for (const bool greets : {true, false}) {
            host->form->mnusubGame_Click(mnuWaitForConnection);
            QCOMPARE(host->discovery.offered, "hosthost:" + QString::number(port));
            greets ? host->form->HandleReceivedText("guest\n") : void(host->form->close());
            QCOMPARE(host->discovery.offered, QString());
            init();
        }
    }

    // A game found at several addresses is joined at the one that reaches it, typed as the
    // player would type it; only a game that speaks this one's protocol is listed.
    void foundGames() {
        const QList<std::pair<QStringList, QString>> addresses{
            {{"fe80::1%veth0", "2001:db8::1", "10.0.0.7"}, "10.0.0.7:1007"},
            {{"fe80::1%veth0", "2001:db8::1"}, "[2001:db8::1]:1007"},
            {{"fe80::1%veth0"}, "[fe80::1%veth0]:1007"},
            {{"fe80::1"}, ""}}; // reaches nothing without its interface
        for (const auto& [found, typed] : addresses) {
            QList<QHostAddress> hosts;
            std::transform(found.begin(), found.end(), std::back_inserter(hosts),
                           [](const QString& text) { return QHostAddress(text); });
            QCOMPARE(addressToType(hosts, 1007), typed);
        }
        QList<QByteArray> txt = gameTxtRecord(); // its strings may come in any order
        std::reverse(txt.begin(), txt.end());
        QVERIFY(speaksOurProtocol(txt) && !speaksOurProtocol({"txtvers=1", "protovers=2"}));
    }

    // Where a session cannot begin, it is told (or the player cancelled) and play goes back to
    // one player. Host and guest move to the fallback port from a reserved one, unless the
    // player chose the port or typed one.
    void startingASession_data() {
        QTest::addColumn<bool>("hosting");
        QTest::addColumn<QString>("typed"); // by the guest; %1 the usual port, %2 the fallback
        QTest::addColumn<bool>("fallbackOffered");
        QTest::addColumn<QString>("ports"); // on the host's side: "busy", "reserved", or both;
                                            // or "silent": the host accepts and says nothing
        QTest::addColumn<QString>("told");
        const auto row = [](const char* name, bool hosting, const char* typed, bool fallback,
                            const char* ports, const char* told) {
            QTest::newRow(name) << hosting << QString(typed) << fallback << QString(ports)
                                << QString(told);
        };
        row("refused", false, "127.0.0.1:%1", true, "", "Cannot connect to 127.0.0.1:");
        row("a host that never greets", false, "127.0.0.1:%1", true, "silent",
            "sent nothing in time");
        row("cancelled", false, "-", true, "", "");
        row("no port typed: the fallback", false, " 127.0.0.1 ", true, "", "");
        row("IPv6, with a port", false, "[::1]:%2", true, "", "");
        row("no address", false, "[::1]2000", true, "", "is no address to connect to");
        row("port in use", true, "", false, "busy", "Cannot wait for a connection on port %1");
        row("reserved port: the fallback", true, "", true, "reserved", "");
        row("chosen port reserved", true, "", false, "reserved", "reserved for the administrator");
        row("reserved, fallback busy", true, "", true, "reserved busy", "on port %2:");
    }
    void startingASession() {
        QFETCH(bool, hosting);
        QFETCH(QString, typed);
        QFETCH(bool, fallbackOffered);
        QFETCH(QString, ports);
        QFETCH(QString, told);
        const quint16 fallback = freePort();
        const auto withPorts = [&](QString text) {
            return text.replace("%1", QString::number(port))
                .replace("%2", QString::number(fallback));
        };
        TestGame side(port, fallbackOffered ? std::optional(fallback) : std::nullopt);
        TestGame hostOnFallback(fallback); // for a guest to reach
        QTcpServer occupant;               // of the fallback port where the usual one is reserved
        const bool reserved = ports.contains("reserved");
        QVERIFY(!(ports.contains("busy") || ports == "silent") ||
                occupant.listen(QHostAddress::Any, reserved ? fallback : port));
        side.sockets.privilegedPorts = {reserved ? port : quint16{0}};
        QTcpSocket peer;
        if (hosting) {
            side.form->mnusubGame_Click(mnuWaitForConnection);
            QVERIFY(waitFor([&] {
                return side.sockets.listenedOn.contains(fallback) || inOnePlayerMode(*side.form);
            }));
            peer.connectToHost(QHostAddress::LocalHost, fallback);
            peer.write("peer\n");
        } else {
            hostOnFallback.form->mnusubGame_Click(mnuWaitForConnection);
            side.dialogs.answers = {typed == "-" ? QString() : withPorts(typed)};
            side.form->mnusubGame_Click(mnuConnectToOpponent);
        }
        QVERIFY(waitFor([&] { return greeted(*side.form) || inOnePlayerMode(*side.form); }));
        QCOMPARE(greeted(*side.form), told.isEmpty() && typed != "-");
        QCOMPARE(side.dialogs.texts.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(side.dialogs.texts.value(0).contains(withPorts(told)));
    }
};

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
