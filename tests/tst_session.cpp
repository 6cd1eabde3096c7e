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
constexpr int patienceMs = 5000;

bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, patienceMs);
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
    std::unique_ptr<QTcpSocket> raw; // a peer of our own, in place of the guest

    bool connectBoth() {
        host->form->mnusubGame_Click(mnuWaitForConnection);
        guest->dialogs.answers = {"127.0.0.1"};
        guest->form->mnusubGame_Click(mnuConnectToOpponent);
        return waitFor([&] {
            return host->form->AwaitingGreeting == False && guest->form->AwaitingGreeting == False;
        });
    }
    // A raw guest that has sent its greeting and read the host's.
    bool connectRaw(const QByteArray& greeting = "rawpeer") {
        host->form->mnusubGame_Click(mnuWaitForConnection);
        raw = std::make_unique<QTcpSocket>();
        raw->connectToHost(QHostAddress::LocalHost, port);
        if (!raw->waitForConnected(patienceMs)) {
            return false;
        }
        raw->write(greeting);
        raw->flush();
        return waitFor([&] { return host->form->AwaitingGreeting == False; }) &&
               waitFor([&] { return raw->bytesAvailable() > 0; }) && !raw->readAll().isEmpty();
    }
    void rawSends(const QByteArray& bytes) {
        raw->write(bytes);
        raw->flush();
        QTest::qWait(100);
    }
    // Plays a move on one side and waits until the other side's board shows it.
    bool move(TestGame& mover, TestGame& peer, int marker) {
        mover.form->Image1_Click(marker);
        return waitFor([&] { return boardText(*peer.form) == boardText(*mover.form); });
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

    void greetingsLabelsAndMenus();
    void guestMovesFirstThenHost();
    void hostMovesFirstAndNoSecondMoveUntilTheAnswer();
    void winNewGameAndDisconnect_data();
    void winNewGameAndDisconnect();
    void closingAWindowTellsThePeer();
    void waitingOrConnectingSendsNoFarewell();
    void messagesThatArriveTogetherOrInPieces();
    void garbageChangesNothing();
    void greetingIsShownAsPlainShortText_data();
    void greetingIsShownAsPlainShortText();
    void emptyHostNameStillGreets();
    void peerVanishingIsALostConnection();
    void unsendableMoveIsALostConnectionToldOnce();
    void secondGuestIsTurnedAway();
    void moveAfterTheGameEndedIsNotAnotherResult();
    void failedConnectIsToldAndEnds();
    void badAddressIsToldAndEnds();
    void cancelledAddressEndsQuietly();
    void listenOnABusyPortIsToldAndEnds();
    void addressWithPort();
};

void TestSession::greetingsLabelsAndMenus() {
    QVERIFY(connectBoth());
    const Form1& h = *host->form;
    const Form1& g = *guest->form;
    QCOMPARE(h.Label1().text(), QString("hosthost Connected guesthost"));
    QCOMPARE(h.Label2().text(), QString("IP Address 10.0.0.7"));
    QCOMPARE(g.Label1().text(), QString("guesthost Connected hosthost"));
    QCOMPARE(g.Label2().text(), QString());
    QVERIFY(h.pointerShowsRed());
    QVERIFY(!g.pointerShowsRed());
    QCOMPARE(checkedItems(h), QList<int>{mnuWaitForConnection});
    QCOMPARE(checkedItems(g), QList<int>{mnuConnectToOpponent});
    for (const int item : {mnuOnePlayer, mnuTwoPlayers}) {
        QVERIFY(!h.mnusubGame().enabled(item));
        QVERIFY(!g.mnusubGame().enabled(item));
    }
    QVERIFY(h.mnusubGame().enabled(mnuNew)); // enabled once the guest has greeted
    QVERIFY(h.mnusubGame().enabled(mnuDisconnect));
    QCOMPARE(h.GameActive, True);
    QCOMPARE(g.GameActive, True);
    QVERIFY(guest->dialogs.prompts == QStringList{"Input IP Address to Connect"});
    QVERIFY(host->dialogs.shown.isEmpty() && guest->dialogs.shown.isEmpty());

    host->form->mnusubGame_Click(mnuWaitForConnection); // already checked: nothing
    QCOMPARE(h.Label1().text(), QString("hosthost Connected guesthost"));
}

void TestSession::guestMovesFirstThenHost() {
    QVERIFY(connectBoth());
    QVERIFY(move(*guest, *host, 43));
    QVERIFY(host->form->cellHolds(1, CellContent::Blue));
    QCOMPARE(guest->form->GameActive, False);
    QCOMPARE(host->form->GameActive, True);
    QVERIFY(move(*host, *guest, 43));
    QVERIFY(guest->form->cellHolds(8, CellContent::Red));
    QCOMPARE(guest->form->GameActive, True);
}

void TestSession::hostMovesFirstAndNoSecondMoveUntilTheAnswer() {
    QVERIFY(connectBoth());
    QVERIFY(move(*host, *guest, 45));
    QVERIFY(guest->form->cellHolds(3, CellContent::Red));
    host->form->Image1_Click(46); // not this side's turn: nothing
    QTest::qWait(100);
    QCOMPARE(boardText(*host->form), "...R" + QString(38, '.'));
    QCOMPARE(boardText(*guest->form), boardText(*host->form));
    host->form->Image1_Click(3); // a cell is never a move
    QVERIFY(move(*guest, *host, 45));
    QVERIFY(host->form->cellHolds(10, CellContent::Blue));
}

void TestSession::winNewGameAndDisconnect_data() {
    QTest::addColumn<bool>("guestStartsNew");
    QTest::addColumn<bool>("guestDisconnects");
    QTest::newRow("host starts over, host leaves") << false << false;
    QTest::newRow("guest starts over, guest leaves") << true << true;
}

void TestSession::winNewGameAndDisconnect() {
    QFETCH(bool, guestStartsNew);
    QFETCH(bool, guestDisconnects);
    QVERIFY(connectBoth());
    for (const int marker : {42, 43, 42, 43, 42, 43}) {
        TestGame& mover = (marker == 42) ? *host : *guest;
        QVERIFY(move(mover, mover.form == host->form ? *guest : *host, marker));
    }
    QVERIFY(move(*host, *guest, 42));
    QCOMPARE(host->dialogs.texts(), QStringList{"You Win"});
    QCOMPARE(guest->dialogs.texts(), QStringList{"You Lose"});
    QCOMPARE(host->form->AnyColumnOpen(), false);
    QCOMPARE(guest->form->AnyColumnOpen(), false);

    TestGame& starter = guestStartsNew ? *guest : *host;
    TestGame& other = guestStartsNew ? *host : *guest;
    starter.form->mnusubGame_Click(mnuNew);
    QVERIFY(waitFor([&] { return other.form->AnyColumnOpen(); }));
    QCOMPARE(boardText(*other.form), QString(42, '.'));
    QCOMPARE(host->form->GameActive, True);
    QCOMPARE(guest->form->GameActive, True);
    QVERIFY(move(*guest, *host, 48));

    TestGame& leaver = guestDisconnects ? *guest : *host;
    TestGame& left = guestDisconnects ? *host : *guest;
    leaver.form->mnusubGame_Click(mnuDisconnect);
    QVERIFY(inOnePlayerMode(*leaver.form));
    QVERIFY(waitFor([&] { return inOnePlayerMode(*left.form); }));
    QCOMPARE(left.dialogs.texts().last(), QString("Disconnected"));
    QTest::qWait(100); // the answering "50" reaches nobody and is told to nobody
    QVERIFY(!leaver.dialogs.texts().contains("Disconnected"));
    QCOMPARE(left.dialogs.texts().count("Disconnected"), 1);
}

void TestSession::closingAWindowTellsThePeer() {
    QVERIFY(connectBoth());
    guest->form->close();
    QVERIFY(waitFor([&] { return inOnePlayerMode(*host->form); }));
    QCOMPARE(host->dialogs.texts(), QStringList{"Disconnected"});
}

void TestSession::waitingOrConnectingSendsNoFarewell() {
    QTcpServer listener; // a peer that accepts but never greets
    QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
    guest->dialogs.answers = {QString("127.0.0.1:%1").arg(listener.serverPort())};
    guest->form->mnusubGame_Click(mnuConnectToOpponent);
    QVERIFY(listener.waitForNewConnection(patienceMs));
    QTcpSocket* accepted = listener.nextPendingConnection();
    QVERIFY(waitFor([&] { return accepted->bytesAvailable() > 0; }));
    QCOMPARE(accepted->readAll(), QByteArray("guesthost"));
    QCOMPARE(guest->form->Label1().text(), QString("guesthost Connecting..."));
    guest->form->mnusubGame_Click(mnuDisconnect);
    QVERIFY(inOnePlayerMode(*guest->form));
    QVERIFY(waitFor([&] { return accepted->state() == QAbstractSocket::UnconnectedState; }));
    QCOMPARE(accepted->readAll(), QByteArray()); // no "50" before the greetings
}

void TestSession::messagesThatArriveTogetherOrInPieces() {
    QVERIFY(connectRaw());
    rawSends("4243"); // two moves in one arrival
    QCOMPARE(boardText(*host->form), "BB" + QString(40, '.'));
    rawSends("4");
    QCOMPARE(boardText(*host->form), "BB" + QString(40, '.'));
    rawSends("9"); // ... and the rest of a "49"
    QCOMPARE(boardText(*host->form), QString(42, '.'));
    rawSends("4449"); // a move, then at once a new game
    QCOMPARE(boardText(*host->form), QString(42, '.'));
    QCOMPARE(host->form->GameActive, True);
    rawSends("4650"); // a move, then the peer leaves
    QVERIFY(inOnePlayerMode(*host->form));
    QCOMPARE(host->dialogs.texts(), QStringList{"Disconnected"});
}

void TestSession::garbageChangesNothing() {
    QVERIFY(connectRaw());
    for (const QByteArray& junk :
         {QByteArray("3"), QByteArray("41"), QByteArray("-1"), QByteArray("99999"),
          QByteArray("abc"), QByteArray("\0\0", 2), QByteArray(4096, 'x'), QByteArray("51")}) {
        rawSends(junk);
        QCOMPARE(boardText(*host->form), QString(42, '.'));
    }
    QVERIFY(host->dialogs.shown.isEmpty());
    rawSends("45"); // the session goes on
    QVERIFY(host->form->cellHolds(3, CellContent::Blue));
}

void TestSession::greetingIsShownAsPlainShortText_data() {
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QString>("shown");
    QTest::newRow("markup") << QByteArray("<b>big</b><img src=x>") << "<b>big</b><img src=x>";
    QTest::newRow("10 KB") << QByteArray(10240, 'n') << QString(64, 'n');
    QTest::newRow("nothing printable") << QByteArray("\x01\x02", 2) << "";
}

void TestSession::greetingIsShownAsPlainShortText() {
    QFETCH(QByteArray, greeting);
    QFETCH(QString, shown);
    QVERIFY(connectRaw(greeting));
    QCOMPARE(host->form->Label1().text(), "hosthost Connected " + shown);
    QCOMPARE(host->form->Label1().textFormat(), Qt::PlainText);
    QCOMPARE(host->form->GameActive, True); // the handshake is complete whatever was sent
}

void TestSession::emptyHostNameStillGreets() {
    host->sockets.name = QByteArray("");
    host->form->mnusubGame_Click(mnuWaitForConnection);
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(waitFor([&] { return peer.bytesAvailable() > 0; }));
    QCOMPARE(peer.readAll(), QByteArray("?"));
}

void TestSession::peerVanishingIsALostConnection() {
    QVERIFY(connectRaw());
    rawSends("43");
    raw->abort();
    QVERIFY(waitFor([&] { return inOnePlayerMode(*host->form); }));
    QCOMPARE(host->dialogs.texts(), QStringList{"Disconnected"});
    QCOMPARE(boardText(*host->form), QString(42, '.'));
}

void TestSession::unsendableMoveIsALostConnectionToldOnce() {
    QVERIFY(connectRaw());
    {
        const HandlerGate::ModalScope box; // the peer's close is not handled yet
        raw->abort();
        QVERIFY(waitFor([&] { return host->form->wsServer.sendData("") == false; }));
        host->form->Image1_Click(44);
    }
    QTest::qWait(200);
    QCOMPARE(host->dialogs.texts(), QStringList{"Disconnected"});
    QVERIFY(inOnePlayerMode(*host->form));
}

void TestSession::secondGuestIsTurnedAway() {
    QVERIFY(connectRaw());
    QTcpSocket intruder;
    intruder.connectToHost(QHostAddress::LocalHost, port);
    intruder.write("intruder");
    QVERIFY(waitFor([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }));
    QCOMPARE(host->form->Label1().text(), QString("hosthost Connected rawpeer"));
    rawSends("46");
    QVERIFY(host->form->cellHolds(4, CellContent::Blue));
    QVERIFY(host->dialogs.shown.isEmpty());
}

void TestSession::moveAfterTheGameEndedIsNotAnotherResult() {
    QVERIFY(connectRaw());
    for (int turn = 0; turn < 3; ++turn) {
        host->form->Image1_Click(42);
        rawSends("43");
    }
    host->form->Image1_Click(42);
    QCOMPARE(host->dialogs.texts(), QStringList{"You Win"});
    QVERIFY(waitFor([&] { return raw->bytesAvailable() >= 8; }));
    QCOMPARE(raw->readAll(), QByteArray("42424242")); // each move went out as sent
    rawSends("44");                                   // the peer moved at the same moment
    QCOMPARE(host->dialogs.texts(), QStringList{"You Win"});
    QVERIFY(!host->form->cellHolds(2, CellContent::Blue));
}

void TestSession::failedConnectIsToldAndEnds() {
    guest->dialogs.answers = {QString("127.0.0.1:%1").arg(freePort())};
    guest->form->mnusubGame_Click(mnuConnectToOpponent);
    QVERIFY(waitFor([&] { return !guest->dialogs.shown.isEmpty(); }));
    QVERIFY(guest->dialogs.shown.first().text.startsWith("Cannot connect to 127.0.0.1:"));
    QVERIFY(inOnePlayerMode(*guest->form));
}

void TestSession::badAddressIsToldAndEnds() {
    guest->dialogs.answers = {"10.0.0.7:99999"};
    guest->form->mnusubGame_Click(mnuConnectToOpponent);
    QCOMPARE(guest->dialogs.shown.size(), 1);
    QVERIFY(guest->dialogs.shown.first().text.contains("10.0.0.7:99999"));
    QVERIFY(inOnePlayerMode(*guest->form));
}

void TestSession::cancelledAddressEndsQuietly() {
    guest->dialogs.answers = {""};
    guest->form->mnusubGame_Click(mnuConnectToOpponent);
    QVERIFY(guest->dialogs.shown.isEmpty());
    QVERIFY(inOnePlayerMode(*guest->form));
}

void TestSession::listenOnABusyPortIsToldAndEnds() {
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress::Any, port));
    host->form->mnusubGame_Click(mnuWaitForConnection);
    QVERIFY(waitFor([&] { return !host->dialogs.shown.isEmpty(); }));
    QVERIFY(host->dialogs.shown.first().text.startsWith(
        QString("Cannot wait for a connection on port %1").arg(port)));
    QVERIFY(inOnePlayerMode(*host->form));
}

void TestSession::addressWithPort() {
    const quint16 otherPort = freePort();
    TestGame hostElsewhere(otherPort);
    hostElsewhere.form->mnusubGame_Click(mnuWaitForConnection);
    guest->dialogs.answers = {QString("[::1]:%1").arg(otherPort)};
    guest->form->mnusubGame_Click(mnuConnectToOpponent);
    QVERIFY(waitFor([&] { return guest->form->AwaitingGreeting == False; }));
    QVERIFY(guest->form->Label1().text().endsWith("Connected testhost"));
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
