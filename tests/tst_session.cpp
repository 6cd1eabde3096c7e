// SPDX-License-Identifier: GPL-3.0-or-later
// Network play: two windows in one process over loopback, and raw peers sending exact bytes.
#include "support/loopback.h"
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
} // namespace

class TestSession : public QObject {
    Q_OBJECT

    quint16 port = 0;
    std::unique_ptr<TestGame> host;
    std::unique_ptr<TestGame> guest;
    std::unique_ptr<QTcpSocket> raw; // a peer of our own in place of the guest

    bool connectBoth() {
        host->form->mnusubGame_Click(mnuWaitForConnection);
        guest->dialogs.answers = {"127.0.0.1"};
        guest->form->mnusubGame_Click(mnuConnectToOpponent);
        return waitFor([&] {
            return host->form->AwaitingGreeting == False && guest->form->AwaitingGreeting == False;
        });
    }
    // A raw guest that has greeted and read the host's greeting.
    bool connectRaw(const QByteArray& greeting = "rawpeer") {
        host->form->mnusubGame_Click(mnuWaitForConnection);
        raw = std::make_unique<QTcpSocket>();
        raw->connectToHost(QHostAddress::LocalHost, port);
        raw->write(greeting);
        return waitFor([&] { return host->form->AwaitingGreeting == False; }) &&
               waitFor([&] { return raw->bytesAvailable() > 0; }) && !raw->readAll().isEmpty();
    }
    void rawSends(const QByteArray& bytes) {
        raw->write(bytes);
        raw->flush();
        QTest::qWait(100);
    }
    // A move on one side; true once both boards agree again.
    bool move(TestGame& mover, int marker) {
        mover.form->Image1_Click(marker);
        return waitFor([&] { return boardText(*host->form) == boardText(*guest->form); });
    }

private slots:
    void init() {
        port = freePort();
        host = std::make_unique<TestGame>(port);
        guest = std::make_unique<TestGame>(port);
        host->sockets.name = QByteArray("hosthost");
        guest->sockets.name = QByteArray("guesthost");
    }
    void cleanup() {
        raw.reset();
        guest.reset();
        host.reset();
    }

    void twoWindowsPlayAGame_data() {
        QTest::addColumn<bool>("guestFirst"); // the guest moves first, starts over and leaves
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QString>("board");
        QTest::newRow("host first") << false << QList<int>{42, 44, 42, 43, 42, 44, 42}
                                    << "RBB....R.B....R......R" + QString(20, '.');
        QTest::newRow("guest first") << true << QList<int>{43, 42, 44, 42, 43, 42, 44, 42}
                                     << "RBB....RBB....R......R" + QString(20, '.');
    }
    void twoWindowsPlayAGame() {
        QFETCH(bool, guestFirst);
        QFETCH(QList<int>, moves);
        QFETCH(QString, board);
        QVERIFY(connectBoth());
        const Form1& h = *host->form;
        const Form1& g = *guest->form;
        QCOMPARE(h.Label1().text(), QString("hosthost Connected guesthost"));
        QCOMPARE(h.Label2().text(), QString("IP Address 10.0.0.7:%1").arg(port));
        QCOMPARE(g.Label1().text(), QString("guesthost Connected hosthost"));
        QVERIFY(h.pointerShowsRed() && !g.pointerShowsRed());
        QVERIFY(h.mnusubGame().enabled(mnuNew)); // once the guest has greeted
        QCOMPARE(guest->dialogs.prompts, QStringList{"Input IP Address to Connect"});

        TestGame& first = guestFirst ? *guest : *host;
        TestGame& second = guestFirst ? *host : *guest;
        for (qsizetype turn = 0; turn < moves.size(); ++turn) {
            TestGame& mover = turn % 2 == 0 ? first : second;
            QVERIFY(move(mover, moves.at(turn)));
            mover.form->Image1_Click(45); // no second move before the answer
            mover.form->Image1_Click(3);  // and a cell is never a move
        }
        QCOMPARE(boardText(g), board); // the host's pieces are Red, the guest's Blue
        QCOMPARE(host->dialogs.texts(), QStringList{"You Win"});
        QCOMPARE(guest->dialogs.texts(), QStringList{"You Lose"});
        QVERIFY(!h.AnyColumnOpen() && !g.AnyColumnOpen());

        second.form->mnusubGame_Click(mnuNew);
        QVERIFY(waitFor([&] { return first.form->AnyColumnOpen(); }));
        QVERIFY(move(first, 48));
        first.form->mnusubGame_Click(mnuDisconnect);
        QVERIFY(inOnePlayerMode(*first.form));
        QVERIFY(waitFor([&] { return inOnePlayerMode(*second.form); }));
        QTest::qWait(100); // the answering "50" reaches nobody and is told to nobody
        QCOMPARE(second.dialogs.texts().count("Disconnected"), 1);
        QVERIFY(!first.dialogs.texts().contains("Disconnected"));
    }

    void closingAWindowTellsThePeer() {
        QVERIFY(connectBoth());
        guest->form->close();
        QVERIFY(waitFor([&] { return inOnePlayerMode(*host->form); }));
        QCOMPARE(host->dialogs.texts(), QStringList{"Disconnected"});
    }

    void noFarewellBeforeTheGreetings() {
        QTcpServer listener; // accepts, but never greets
        QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
        guest->dialogs.answers = {QString("127.0.0.1:%1").arg(listener.serverPort())};
        guest->form->mnusubGame_Click(mnuConnectToOpponent);
        QVERIFY(listener.waitForNewConnection(5000));
        QTcpSocket* accepted = listener.nextPendingConnection();
        QVERIFY(waitFor([&] { return accepted->bytesAvailable() > 0; }));
        QCOMPARE(accepted->readAll(), QByteArray("guesthost"));
        QCOMPARE(guest->form->Label1().text(), QString("guesthost Connecting..."));
        guest->form->mnusubGame_Click(mnuDisconnect);
        QVERIFY(waitFor([&] { return accepted->state() == QAbstractSocket::UnconnectedState; }));
        QCOMPARE(accepted->readAll(), QByteArray());
    }

    void rawPeerMessages_data() {
        QTest::addColumn<QList<QByteArray>>("arrivals");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("told");
        const QString empty(42, '.');
        QTest::newRow("two moves in a row: the peer cannot win alone")
            << QList<QByteArray>{"4243", "44", "45"} << "B" + QString(41, '.') << QStringList{};
        QTest::newRow("new game in two pieces")
            << QList<QByteArray>{"42", "4", "9"} << empty << QStringList{};
        QTest::newRow("move then new game") << QList<QByteArray>{"4449"} << empty << QStringList{};
        QTest::newRow("move then farewell")
            << QList<QByteArray>{"4650"} << empty << QStringList{"Disconnected"};
        QTest::newRow("garbage, then a move") << QList<QByteArray>{"3",
                                                                   "41",
                                                                   "-1",
                                                                   "99999",
                                                                   "abc",
                                                                   QByteArray("\0\0", 2),
                                                                   QByteArray(4096, 'x'),
                                                                   "51",
                                                                   "45"}
                                              << "...B" + QString(38, '.') << QStringList{};
    }
    void rawPeerMessages() {
        QFETCH(QList<QByteArray>, arrivals);
        QFETCH(QString, board);
        QFETCH(QStringList, told);
        QVERIFY(connectRaw());
        for (const QByteArray& arrival : arrivals) {
            rawSends(arrival);
        }
        QCOMPARE(boardText(*host->form), board);
        QCOMPARE(host->dialogs.texts(), told);
        QCOMPARE(inOnePlayerMode(*host->form), !told.isEmpty());
    }

    void greetingIsShownAsPlainShortText_data() {
        QTest::addColumn<QByteArray>("greeting");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup") << QByteArray("<b>big</b><img src=x>") << "<b>big</b><img src=x>";
        QTest::newRow("10 KB") << QByteArray(10240, 'n') << QString(64, 'n');
        QTest::newRow("nothing printable") << QByteArray("\x01\x02", 2) << "";
    }
    void greetingIsShownAsPlainShortText() {
        QFETCH(QByteArray, greeting);
        QFETCH(QString, shown);
        QVERIFY(connectRaw(greeting)); // the handshake completes whatever was sent
        QCOMPARE(host->form->Label1().text(), "hosthost Connected " + shown);
        QCOMPARE(host->form->Label1().textFormat(), Qt::PlainText);
    }

    void emptyHostNameStillGreets() {
        host->sockets.name = QByteArray("");
        host->form->mnusubGame_Click(mnuWaitForConnection);
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitFor([&] { return peer.bytesAvailable() > 0; }));
        QCOMPARE(peer.readAll(), QByteArray("?"));
    }

    void lostConnectionIsToldOnce_data() {
        QTest::addColumn<bool>("whileMoving");
        QTest::newRow("peer vanishes") << false;
        QTest::newRow("move cannot be sent") << true;
    }
    void lostConnectionIsToldOnce() {
        QFETCH(bool, whileMoving);
        QVERIFY(connectRaw());
        {
            const HandlerGate::ModalScope box; // the close waits until the click is handled
            raw->abort();
            if (whileMoving) {
                QTest::qWait(100); // the abort reaches the host's socket first
                host->form->Image1_Click(44);
            }
        }
        QVERIFY(waitFor([&] { return inOnePlayerMode(*host->form); }));
        QTest::qWait(100);
        QCOMPARE(host->dialogs.texts(), QStringList{"Disconnected"});
    }

    void secondGuestIsTurnedAway() {
        QVERIFY(connectRaw());
        QTcpSocket intruder;
        intruder.connectToHost(QHostAddress::LocalHost, port);
        intruder.write("intruder");
        QVERIFY(waitFor([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }));
        QCOMPARE(host->form->Label1().text(), QString("hosthost Connected rawpeer"));
        rawSends("46");
        QVERIFY(host->form->cellHolds(4, CellContent::Blue));
    }

    void moveAfterTheGameEndedIsNoSecondResult() {
        QVERIFY(connectRaw());
        for (int turn = 0; turn < 3; ++turn) {
            host->form->Image1_Click(42);
            rawSends("43");
        }
        host->form->Image1_Click(42);
        QVERIFY(waitFor([&] { return raw->bytesAvailable() >= 8; }));
        QCOMPARE(raw->readAll(), QByteArray("42424242")); // each move went out as sent
        rawSends("44");                                   // the peer moved at the same moment
        QCOMPARE(host->dialogs.texts(), QStringList{"You Win"});
    }

    void sessionThatCannotBeginIsToldAndEnds_data() {
        QTest::addColumn<QString>("typed"); // empty: this side is the host, on a busy port
        QTest::addColumn<QString>("told");  // how the message begins
        QTest::newRow("refused") << "127.0.0.1:%1"
                                 << "Cannot connect to 127.0.0.1:";
        QTest::newRow("bad address") << "10.0.0.7:99999"
                                     << "\"10.0.0.7:99999\" is no address";
        QTest::newRow("cancelled") << "-"
                                   << "";
        QTest::newRow("port in use") << ""
                                     << "Cannot wait for a connection on port %1";
    }
    void sessionThatCannotBeginIsToldAndEnds() {
        QFETCH(QString, typed);
        QFETCH(QString, told);
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::Any, port));
        TestGame& side = typed.isEmpty() ? *host : *guest;
        if (typed.isEmpty()) {
            host->form->mnusubGame_Click(mnuWaitForConnection);
        } else {
            occupant.close(); // nobody listens there now
            guest->dialogs.answers = {typed == "-" ? QString() : typed.arg(port)};
            guest->form->mnusubGame_Click(mnuConnectToOpponent);
        }
        QVERIFY(waitFor([&] { return inOnePlayerMode(*side.form); }));
        QTest::qWait(50);
        const QStringList shown = side.dialogs.texts();
        QCOMPARE(shown.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(told.isEmpty() || shown.first().startsWith(told.arg(port)));
    }

    void addressWithPort() {
        const quint16 otherPort = freePort();
        TestGame hostElsewhere(otherPort);
        hostElsewhere.form->mnusubGame_Click(mnuWaitForConnection);
        guest->dialogs.answers = {QString("[::1]:%1").arg(otherPort)};
        guest->form->mnusubGame_Click(mnuConnectToOpponent);
        QVERIFY(waitFor([&] { return guest->form->AwaitingGreeting == False; }));
        QCOMPARE(guest->form->Label1().text(), QString("guesthost Connected testhost"));
    }

    void connectionClosingBeforeItsGreetingLeavesTheHostWaiting() {
        host->form->mnusubGame_Click(mnuWaitForConnection);
        for (const bool abort : {false, true}) { // a port scan, politely or not
            QTcpSocket scanner;
            scanner.connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(waitFor([&] { return scanner.bytesAvailable() > 0; })); // accepted, greeted
            abort ? scanner.abort() : scanner.disconnectFromHost();
            QVERIFY(waitFor(
                [&] { return host->form->wsServer.state() == TcpSocketControl::State::Closed; }));
        }
        QVERIFY(connectRaw());
        QCOMPARE(host->dialogs.texts(), QStringList{});
        QCOMPARE(host->form->Label1().text(), QString("hosthost Connected rawpeer"));
    }

    void farewellIsSaidOnce() {
        QVERIFY(connectRaw());
        host->dialogs.whileShown = [&] { host->form->close(); }; // during "Disconnected"
        rawSends("50");
        QVERIFY(waitFor([&] { return raw->state() == QAbstractSocket::UnconnectedState; }));
        QCOMPARE(raw->readAll(), QByteArray("50"));
    }

    void hostFallsBackFromAReservedPort_data() {
        QTest::addColumn<bool>("fallbackOffered"); // false: the player chose the port
        QTest::newRow("usual port reserved") << true;
        QTest::newRow("chosen port reserved") << false;
    }
    void hostFallsBackFromAReservedPort() {
        QFETCH(bool, fallbackOffered);
        const quint16 fallback = freePort();
        TestGame side(port, fallbackOffered ? std::optional(fallback) : std::nullopt);
        side.sockets.privilegedPorts = {port};
        side.form->mnusubGame_Click(mnuWaitForConnection);
        if (fallbackOffered) {
            QVERIFY(waitFor([&] { return side.sockets.listenedOn.size() == 2; }));
            QCOMPARE(side.form->Label2().text(), QString("IP Address 10.0.0.7:%1").arg(fallback));
            QTcpSocket peer;
            peer.connectToHost(QHostAddress::LocalHost, fallback);
            peer.write("peer");
            QVERIFY(waitFor([&] { return side.form->AwaitingGreeting == False; }));
            QCOMPARE(side.dialogs.texts(), QStringList{});
        } else {
            QVERIFY(waitFor([&] { return inOnePlayerMode(*side.form); }));
            QCOMPARE(side.sockets.listenedOn, QList<quint16>{port});
            QVERIFY(side.dialogs.texts().value(0).contains("reserved for the administrator"));
        }
    }

    void guestFallsBackWhenNoPortIsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("fallbackOffered");
        QTest::addColumn<bool>("connects");
        QTest::newRow("no port typed") << "127.0.0.1" << true << true;
        QTest::newRow("port typed") << "127.0.0.1:%1" << true << false;
        QTest::newRow("port chosen at start") << "127.0.0.1" << false << false;
    }
    void guestFallsBackWhenNoPortIsTyped() {
        QFETCH(QString, typed);
        QFETCH(bool, fallbackOffered);
        QFETCH(bool, connects);
        const quint16 fallback = freePort();
        TestGame hostOnFallback(fallback);
        hostOnFallback.form->mnusubGame_Click(mnuWaitForConnection);
        TestGame side(port, fallbackOffered ? std::optional(fallback) : std::nullopt);
        side.dialogs.answers = {typed.arg(port)};
        side.form->mnusubGame_Click(mnuConnectToOpponent);
        if (connects) {
            QVERIFY(waitFor([&] { return side.form->AwaitingGreeting == False; }));
        } else {
            QVERIFY(waitFor([&] { return inOnePlayerMode(*side.form); }));
            QVERIFY(side.dialogs.texts().value(0).startsWith("Cannot connect to 127.0.0.1"));
        }
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
