// SPDX-License-Identifier: GPL-3.0-or-later
// Network play: the host look-ups, the message format, and whole sessions of two windows in
// one process over loopback, or of a window and a raw peer sending exact bytes.
#include "net/peermessages.h"
#include "support/testplatform.h"
#include "toolkit/handlergate.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

namespace {
bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 5000);
}

bool inOnePlayerMode(const Form1& form) {
    return checkedItems(form) == QList<int>{mnuOnePlayer} && form.Label1().text().isEmpty() &&
           form.Label2().text().isEmpty() && !form.mnusubGame().enabled(mnuDisconnect);
}

bool greeted(const Form1& form) {
    return form.AwaitingGreeting == False && !inOnePlayerMode(form);
}

// Sends at once, then lets the event loop deliver it.
void send(QTcpSocket& socket, const QByteArray& bytes) {
    socket.write(bytes);
    socket.flush();
    QTest::qWait(100);
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

    void socketLibrary() {
        PosixSocketLibrary posix;
        QVERIFY(posix.firstAddress("localhost").has_value());
        TcpSocketControl(posix).sendData("42"); // not connected: nothing to send on
        for (const auto& [word, low, high] :
             {std::array{257, 1, 1}, {-1, 255, 0}, {-256, 0, 255}}) {
            QCOMPARE(Form1::Lobyte(static_cast<std::int16_t>(word)), low);
            QCOMPARE(Form1::Hibyte(static_cast<std::int16_t>(word)), high);
        }
        for (const auto& [version, accepted] :
             {std::pair{0x0101, true}, {0x0202, true}, {0x0001, false}, {0x0900, false}}) {
            host->sockets.offered.version = static_cast<std::int16_t>(version);
            QCOMPARE(host->form->SocketsInitialize(), accepted ? True : False);
        }
        QCOMPARE(host->dialogs.texts,
                 QStringList({"Version Sockets = 1.0Too Lo", "Version Sockets = 0.9Too Lo"}));
    }
    // Each failing call is told as the user expects, and the library session is closed again;
    // a failed clean-up spoils nothing. A name resolving to loopback gives way to an interface.
    void lookUps() {
        using enum Dialogs::Style;
        const QList<std::tuple<QString, Dialogs::Style, QString>> failures{
            {"startup", Exclamation, "Winsock Not Responting"},
            {"name", Plain, "Windows Sockets Error : 10093"},
            {"address", Exclamation, "Windows Not Responting"},
            {"cleanup", Exclamation, "Winsock Not Responting"}};
        for (const auto& [failing, style, told] : failures) {
            TestGame side;
            side.sockets.startupResult = failing == "startup" ? 10091 : 0;
            side.sockets.cleanupResult = failing == "cleanup" ? 10093 : 0;
            side.sockets.name = failing == "name" ? std::nullopt : side.sockets.name;
            side.sockets.address = failing == "address" ? std::nullopt : side.sockets.address;
            QCOMPARE(side.form->GetIPAddress().isEmpty(), failing != "cleanup");
            QCOMPARE(side.dialogs.texts, QStringList{told});
            QCOMPARE(side.dialogs.looks.value(0).first, style);
            QCOMPARE(side.sockets.sessionsOpen, failing == "cleanup" ? 1 : 0);
        }
        host->sockets.name = QByteArray(" hosthost ");
        host->sockets.address = QByteArray("\x7F\x00\x01\x01", 4);
        QCOMPARE(host->form->GetIPAddress(), QString("127.0.1.1"));
        QCOMPARE(host->sockets.lookedUp, QByteArray("hosthost"));
        host->sockets.interfaceAddress = QByteArray("\xC0\xA8\xFF\x14", 4);
        QCOMPARE(host->form->GetIPAddress(), QString("192.168.255.20"));
    }

    void splittingWhatArrives() {
        // What arrives, the messages taken from it, and the start of one yet to come.
        const QList<std::tuple<QStringList, QStringList, QString>> cases{
            {{"4349"}, {"43", "49"}, ""},
            {{"4", "24", "850", "5"}, {"42", "48", "50"}, "5"},
            {{"44x49", "46"}, {"44", "46"}, ""}, // garbage after a move is dropped
            {{"41", "51", "4a", "4:", "3<", "+4", " 4", "-4", QString::fromUtf8("٤٢")}, {}, ""}};
        for (const auto& [arrivals, messages, waiting] : cases) {
            QString received;
            QStringList taken;
            for (const QString& arrival : arrivals) {
                received += arrival;
                while (const std::optional<QString> message = takePeerMessage(received)) {
                    taken.append(*message);
                }
            }
            QCOMPARE(taken, messages);
            QCOMPARE(received, waiting);
        }
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

    // After every move both windows show the same board; the host's pieces are Red. The
    // guest starts over, the host leaves, and the farewell is told to the guest only.
    void twoWindowsPlayAGame() {
        const Form1& h = *host->form;
        const Form1& g = *guest->form;
        host->form->mnusubGame_Click(mnuWaitForConnection);
        guest->dialogs.answers = {"127.0.0.1"};
        guest->form->mnusubGame_Click(mnuConnectToOpponent);
        QVERIFY(waitFor([&] { return greeted(h) && greeted(g); }));
        QCOMPARE(h.Label1().text(), QString("hosthost Connected guesthost"));
        QVERIFY(h.pointerShowsRed() && !g.pointerShowsRed() && h.mnusubGame().enabled(mnuNew));
        const QList<int> moves{42, 44, 42, 43, 42, 44, 42};
        for (qsizetype turn = 0; turn < moves.size(); ++turn) {
            TestGame& mover = turn % 2 == 0 ? *host : *guest;
            mover.form->Image1_Click(moves.at(turn));
            mover.form->Image1_Click(45); // no second move before the answer
            QVERIFY(waitFor([&] { return boardText(h) == boardText(g); }));
        }
        QCOMPARE(boardText(g), "RBB....R.B....R......R" + QString(20, '.'));
        QCOMPARE(host->dialogs.texts, QStringList{"You Win"});
        QCOMPARE(guest->dialogs.texts, QStringList{"You Lose"});
        guest->form->mnusubGame_Click(mnuNew);
        QVERIFY(waitFor([&] { return h.AnyColumnOpen(); }));
        host->form->Image1_Click(48);
        QVERIFY(waitFor([&] { return boardText(h) == boardText(g) && boardText(h).at(6) != '.'; }));
        host->form->mnusubGame_Click(mnuDisconnect);
        QVERIFY(waitFor([&] { return inOnePlayerMode(h) && inOnePlayerMode(g); }));
        QTest::qWait(100); // the answering "50" reaches nobody and is told to nobody
        QCOMPARE(guest->dialogs.texts.count("Disconnected"), 1);
        QVERIFY(!host->dialogs.texts.contains("Disconnected"));
    }
    // A raw peer's session, step by step: "s…" it sends the bytes, "c…" the host clicks
    // that marker, "[" and "]" hold the host's handlers back as a modal box does, "lose" the
    // peer vanishes, "off" the host disconnects, "wait" lets the network deliver, "closing" the
    // host's window closes during the next box.
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
        row("garbage, then a move", "s3 s-1 junk s51 s45", "...B" + QString(38, '.'));
        row("moves go out as sent; one result", "c42 s43 c42 s43 c42 s43 c42 s44",
            "RB.....RB.....RB.....R" + QString(20, '.'), {"You Win"}, "42424242");
        row("a lost connection is told once", "[ lose ]", empty, {"Disconnected"});
        row("what was on its way is not played", "[ s43 off ]", empty, {}, "50");
        row("the farewell is said once", "closing s50", empty, {"Disconnected"}, "50");
    }
    void rawPeer() {
        QFETCH(QString, steps);
        QFETCH(QString, board);
        QFETCH(QStringList, told);
        QFETCH(QByteArray, received);
        // The peer's greeting is shown as plain text, without control characters, cut to 64;
        // a host without a name still greets.
        host->sockets.name = QByteArray("");
        host->form->mnusubGame_Click(mnuWaitForConnection);
        QTcpSocket raw;
        raw.connectToHost(QHostAddress::LocalHost, port);
        raw.write("<b>big</b>\x01\r\n" + QByteArray(10240, 'n'));
        QVERIFY(waitFor([&] { return greeted(*host->form) && raw.bytesAvailable() > 0; }));
        QCOMPARE(raw.readAll(), QByteArray("?"));
        const QString connected = " Connected <b>big</b>" + QString(54, 'n');
        QCOMPARE(host->form->Label1().text(), connected);

        std::optional<HandlerGate::ModalScope> box;
        const QHash<QString, std::function<void()>> actions{
            {"[", [&] { box.emplace(); }},
            {"]", [&] { box.reset(); }},
            {"lose", [&] { raw.abort(); }},
            {"off", [&] { host->form->mnusubGame_Click(mnuDisconnect); }},
            {"wait", [] { QTest::qWait(100); }},
            {"junk", [&] { send(raw, QByteArray("\0\0", 2) + QByteArray(4096, 'x')); }},
            {"closing", [&] { host->dialogs.whileShown = [&] { host->form->close(); }; }}};
        for (const QString& step : steps.split(' ')) {
            if (actions.contains(step)) {
                actions[step]();
            } else if (step.startsWith('s')) {
                send(raw, step.mid(1).toLatin1());
            } else {
                host->form->Image1_Click(step.mid(1).toInt());
            }
        }
        QTest::qWait(100);
        QCOMPARE(boardText(*host->form), board);
        QCOMPARE(host->dialogs.texts, told);
        const bool ended = told.contains("Disconnected") || steps.contains("off");
        QCOMPARE(host->form->Label1().text(), ended ? "" : connected);
        QCOMPARE(inOnePlayerMode(*host->form), ended);
        QCOMPARE(raw.readAll(), received);
    }

    // Where a session cannot begin, it is told (or the player cancelled) and play goes back to
    // one player. Host and guest move to the fallback port from a reserved one, unless the
    // player chose the port or typed one.
    void startingASession_data() {
        QTest::addColumn<bool>("hosting");
        QTest::addColumn<QString>("typed"); // by the guest; %1 the usual port, %2 the fallback
        QTest::addColumn<bool>("fallbackOffered");
        QTest::addColumn<QString>("usualPort"); // "busy" or "reserved" on the host's side
        QTest::addColumn<QString>("told");
        const auto row = [](const char* name, bool hosting, const char* typed, bool fallback,
                            const char* usualPort, const char* told) {
            QTest::newRow(name) << hosting << QString(typed) << fallback << QString(usualPort)
                                << QString(told);
        };
        row("refused", false, "127.0.0.1:%1", true, "", "Cannot connect to 127.0.0.1:");
        row("cancelled", false, "-", true, "", "");
        row("no port typed: the fallback", false, "127.0.0.1", true, "", "");
        row("port in use", true, "", false, "busy", "Cannot wait for a connection on port %1");
        row("reserved port: the fallback", true, "", true, "reserved", "");
        row("chosen port reserved", true, "", false, "reserved", "reserved for the administrator");
    }
    void startingASession() {
        QFETCH(bool, hosting);
        QFETCH(QString, typed);
        QFETCH(bool, fallbackOffered);
        QFETCH(QString, usualPort);
        QFETCH(QString, told);
        const quint16 fallback = freePort();
        TestGame side(port, fallbackOffered ? std::optional(fallback) : std::nullopt);
        TestGame hostOnFallback(fallback); // for a guest to reach
        QTcpServer occupant;
        QVERIFY(usualPort != "busy" || occupant.listen(QHostAddress::Any, port));
        side.sockets.privilegedPorts = {usualPort == "reserved" ? port : quint16{0}};
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
            side.dialogs.answers = {typed == "-" ? QString()
                                                 : QString(typed)
                                                       .replace("%1", QString::number(port))
                                                       .replace("%2", QString::number(fallback))};
            side.form->mnusubGame_Click(mnuConnectToOpponent);
        }
        QVERIFY(waitFor([&] { return greeted(*side.form) || inOnePlayerMode(*side.form); }));
        QTest::qWait(50);
        QCOMPARE(greeted(*side.form), told.isEmpty() && typed != "-");
        QCOMPARE(side.dialogs.texts.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(side.dialogs.texts.value(0).contains(
            QString(told).replace("%1", QString::number(port))));
    }
};

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
