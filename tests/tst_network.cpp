// SPDX-License-Identifier: GPL-3.0-or-later
// Network play: the host look-ups, the message format, and whole sessions of two windows in
// one process over loopback, or of a window and a raw peer sending exact bytes.
#include "net/peermessages.h"
#include "support/testplatform.h"
#include "toolkit/handlergate.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"
#include "window/narrator.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <random>

using namespace tavelin;
using namespace tavelin::test;

namespace {
bool inOnePlayerMode(const Form1& form) {
    return checkedItems(form) == QList<int>{mnuOnePlayer} && form.Label1().text().isEmpty() &&
           form.Label2().text().isEmpty() && !form.mnusubGame().enabled(mnuDisconnect);
}

bool greeted(const Form1& form) {
    return form.AwaitingGreeting == False && !inOnePlayerMode(form);
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
// press a key that plays, or, seldom, choose New.
void playerAction(Form1& form, std::mt19937& engine) {
    const unsigned choice = engine() % 40;
    if (choice < 24) {
        PictureBox& picture = form.Image1(int(choice < 12 ? engine() % 49 : 42 + engine() % 7));
        if (!picture.isHidden()) {
            QTest::mouseClick(&picture, Qt::LeftButton);
        }
    } else if (choice < 39) {
        static constexpr std::array moves{Qt::Key_Left, Qt::Key_Right, Qt::Key_Return};
        const unsigned key = engine() % 10; // 1 to 7, or one of the moves
        QTest::keyClick(&form, key < 7 ? Qt::Key(Qt::Key_1 + key) : moves.at(key - 7));
    } else {
        form.mnusubGame().trigger(mnuNew);
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
    // its byte order as the library gives it. A name resolving to loopback gives way to an
    // interface.
    void socketLibrary() {
        PosixSocketLibrary posix;
        QVERIFY(posix.firstAddress("localhost").has_value());
        TcpSocketControl(posix).sendData("42"); // not connected: nothing to send on
        using enum Dialogs::Style;
        const QList<std::tuple<QString, std::int16_t, Dialogs::Style, QString, int>> failures{
            {"startup", 0x0101, Exclamation, "Winsock Not Responting", 0},
            {"name", 0x0101, Plain, "Windows Sockets Error : 10093", 0},
            {"address", 0x0101, Exclamation, "Windows Not Responting", 0},
            {"cleanup", 0x0101, Exclamation, "Winsock Not Responting", 1},
            {"version", 0x0001, Plain, "Version Sockets = 1.0Too Lo", 1},
            {"version", 0x0900, Plain, "Version Sockets = 0.9Too Lo", 1}};
        for (const auto& [failing, version, style, told, leftOpen] : failures) {
            TestGame side;
            side.sockets.offered.version = version;
            side.sockets.startupResult = failing == "startup" ? 10091 : 0;
            side.sockets.cleanupResult = failing == "cleanup" ? 10093 : 0;
            side.sockets.name = failing == "name" ? std::nullopt : side.sockets.name;
            side.sockets.address = failing == "address" ? std::nullopt : side.sockets.address;
            QCOMPARE(side.form->GetIPAddress().isEmpty(), failing != "cleanup");
            QCOMPARE(side.dialogs.texts, QStringList{told});
            QCOMPARE(side.dialogs.looks.value(0).first, style);
            QCOMPARE(side.sockets.sessionsOpen, leftOpen);
        }
        host->sockets.address = QByteArray("\x7F\x00\x01\x01", 4);
        QCOMPARE(host->form->GetIPAddress(), QString("127.0.1.1"));
        host->sockets.interfaceAddress = QByteArray("\xC0\xA8\xFF\x14", 4);
        QCOMPARE(host->form->GetIPAddress(), QString("192.168.255.20"));
    }

    void typedAddresses() {
        const QList<std::pair<QString, std::optional<PeerAddress>>> cases{
            {" gamebox ", PeerAddress{"gamebox", {}}},
            {"10.0.0.7:10007", PeerAddress{"10.0.0.7", 10007}},
            {"fe80::1", PeerAddress{"fe80::1", {}}},
            {"[::1]:2000", PeerAddress{"::1", 2000}}};
        for (const auto& [typed, parsed] : cases) {
            QCOMPARE(parsePeerAddress(typed), parsed);
        }
        for (const char* typed : {"10.0.0.7:0", "10.0.0.7:65536", "10.0.0.7:x",
                                  "10.0.0.7:", "[::1:2000", "[::1]2000", ":2000"}) {
            QCOMPARE(parsePeerAddress(typed), std::nullopt);
        }
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
                if (!connected && engine() % 4 == 0) { // the greetings go both ways
                    QVERIFY2(waitFor([&] { return greeted(h) && greeted(g); }), where);
                    connected = true;
                    continue;
                }
                TestGame& actor = engine() % 2 == 0 ? *host : *guest;
                Form1& peer = actor.form == host->form ? *guest->form : *host->form;
                actor.form->MoveText.clear();
                peer.ReceivedText.clear();
                playerAction(*actor.form, engine);
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
    // A raw peer's session, step by step: "s…" it sends the bytes, "c…" the host clicks
    // that marker, "[" and "]" hold the host's handlers back as a modal box does, "lose" the
    // peer vanishes, "off" the host disconnects, "closing" the host's window closes during the
    // next box.
    void rawPeer_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QByteArray>("received"); // what the peer reads after the greeting
        const auto row = [](const char* name, const char* steps, const QString& board,
                            QStringList told = {}, QByteArray received = {}) {
            QTest::newRow(name) << QString(steps) << board << told << received;
        };
        const QString empty(42, '.');
        row("the peer cannot win alone", "s4243 s44 s45", "B" + QString(41, '.'));
        row("move then farewell", "s4650", empty, {"Disconnected"}, "50");
        // Garbage before and after moves is dropped; a move may come in two pieces.
        row("garbage and pieces", "s3 s-1 sxyz s51 s41 s4 s5x49 c42 s4 s6",
            "R..BB" + QString(37, '.'), {}, "42");
        row("a lost connection is told once", "[ lose ]", empty, {"Disconnected"});
        row("what was on its way is not played", "[ s43 off ]", empty, {}, "50");
        row("the farewell is said once", "closing s50", empty, {"Disconnected"}, "50");
    }
    void rawPeer() {
        QFETCH(QString, steps);
        QFETCH(QString, board);
        QFETCH(QStringList, told);
        QFETCH(QByteArray, received);
        // A connection that does not greet in time is let go without a word, and the host waits
        // on. The peer's greeting is shown as plain text, without control characters, cut to
        // 64; a host without a name still greets.
        host->sockets.name = QByteArray("");
        host->form->mnusubGame_Click(mnuWaitForConnection);
        QTcpSocket silent;
        silent.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }));
        QTcpSocket raw;
        raw.connectToHost(QHostAddress::LocalHost, port);
        raw.write("<b>big</b>\x01\r\n" + QByteArray(10240, 'n'));
        QVERIFY(waitFor([&] { return greeted(*host->form) && raw.bytesAvailable() > 0; }));
        QCOMPARE(raw.readAll(), QByteArray("?"));
        QCOMPARE(host->form->Label1().text(), " Connected <b>big</b>" + QString(54, 'n'));

        std::optional<HandlerGate::ModalScope> box;
        const QHash<QString, std::function<void()>> actions{
            {"[", [&] { box.emplace(); }},
            {"]", [&] { box.reset(); }},
            {"lose", [&] { raw.abort(); }},
            {"off", [&] { host->form->mnusubGame_Click(mnuDisconnect); }},
            {"closing", [&] { host->dialogs.whileShown = [&] { host->form->close(); }; }}};
        for (const QString& step : steps.split(' ')) {
            if (actions.contains(step)) {
                actions[step]();
            } else if (step.startsWith('s')) {
                raw.write(step.mid(1).toLatin1());
                raw.flush();
                QTest::qWait(100); // for the event loop to deliver it
            } else {
                host->form->Image1_Click(step.mid(1).toInt());
            }
        }
        QTest::qWait(100);
        QCOMPARE(boardText(*host->form), board);
        QCOMPARE(host->dialogs.texts, told);
        const bool ended = told.contains("Disconnected") || steps.contains("off");
        QCOMPARE(inOnePlayerMode(*host->form), ended);
        QCOMPARE(raw.readAll(), received);
        const QString heard = host->form->findChild<Notice*>()->accessibleName(); // by a reader
        QVERIFY(!board.contains('B') || heard.contains("Blue, column"));          // the peer's move
    }

    // Where a session cannot begin, it is told (or the player cancelled) and play goes back to
    // one player. Host and guest move to the fallback port from a reserved one, unless the
    // player chose the port or typed one.
    void startingASession_data() {
        QTest::addColumn<bool>("hosting");
        QTest::addColumn<QString>("typed"); // by the guest; %1 the usual port, %2 the fallback
        QTest::addColumn<bool>("fallbackOffered");
        QTest::addColumn<QString>("ports"); // on the host's side: "busy", "reserved", or both
        QTest::addColumn<QString>("told");
        const auto row = [](const char* name, bool hosting, const char* typed, bool fallback,
                            const char* ports, const char* told) {
            QTest::newRow(name) << hosting << QString(typed) << fallback << QString(ports)
                                << QString(told);
        };
        row("refused", false, "127.0.0.1:%1", true, "", "Cannot connect to 127.0.0.1:");
        row("cancelled", false, "-", true, "", "");
        row("no port typed: the fallback", false, "127.0.0.1", true, "", "");
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
        QVERIFY(!ports.contains("busy") ||
                occupant.listen(QHostAddress::Any, reserved ? fallback : port));
        side.sockets.privilegedPorts = {reserved ? port : quint16{0}};
        QTcpSocket peer;
        if (hosting) {
            side.form->mnusubGame_Click(mnuWaitForConnection);
            QVERIFY(waitFor([&] {
                return side.sockets.listenedOn.contains(fallback) || inOnePlayerMode(*side.form);
            }));
            peer.connectToHost(QHostAddress::LocalHost, fallback);
            peer.write("peer");
        } else {
            hostOnFallback.form->mnusubGame_Click(mnuWaitForConnection);
            side.dialogs.answers = {typed == "-" ? QString() : withPorts(typed)};
            side.form->mnusubGame_Click(mnuConnectToOpponent);
        }
        QVERIFY(waitFor([&] { return greeted(*side.form) || inOnePlayerMode(*side.form); }));
        QTest::qWait(50);
        QCOMPARE(greeted(*side.form), told.isEmpty() && typed != "-");
        QCOMPARE(side.dialogs.texts.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(side.dialogs.texts.value(0).contains(withPorts(told)));
    }
};

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
