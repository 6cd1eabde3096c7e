// SPDX-License-Identifier: GPL-3.0-or-later
// The socket layer against plain Qt sockets on loopback.
#include "net/socketlibrary.h"
#include "net/tcpsocketcontrol.h"
#include "support/loopback.h"
#include "toolkit/handlergate.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

namespace {
constexpr int patienceMs = 5000;
PosixSocketLibrary posix;

// A raw peer that accepts one connection.
struct RawServer {
    bool listen() { return server.listen(QHostAddress::LocalHost, 0); }
    QTcpSocket* waitForPeer() {
        if (!server.hasPendingConnections() && !server.waitForNewConnection(patienceMs)) {
            return nullptr;
        }
        return server.nextPendingConnection();
    }
    // Connects the control to this server: this server's end, or null when that failed.
    QTcpSocket* connect(TcpSocketControl& client) {
        QSignalSpy connected(&client, &TcpSocketControl::connected);
        client.connectTo("127.0.0.1", server.serverPort());
        QTcpSocket* remote = waitForPeer();
        const bool told = !connected.isEmpty() || connected.wait(patienceMs);
        return told ? remote : nullptr;
    }
    QTcpServer server;
};

QByteArray readExactly(QTcpSocket& socket, int count) {
    while (socket.bytesAvailable() < count && socket.waitForReadyRead(patienceMs)) {
    }
    return socket.read(count);
}
} // namespace

class TestTcpSocketControl : public QObject {
    Q_OBJECT

private slots:
    void sendsExactBytesAndReadsAllThatIsPending() {
        RawServer peer;
        QVERIFY(peer.listen());
        TcpSocketControl client(posix);
        QTcpSocket* remote = peer.connect(client);
        QVERIFY(remote);

        client.sendData(QString("Host") + QChar(0xE9)); // one byte a character, no end mark
        client.sendData("42");
        QCOMPARE(readExactly(*remote, 7), QByteArray("Host\xE9"
                                                     "42"));

        QStringList reads; // what each data arrival found, read as the game reads it
        connect(&client, &TcpSocketControl::dataArrival, this,
                [&] { reads.append(client.getData()); });
        {
            const HandlerGate::ModalScope box; // let both pieces arrive before anyone reads
            remote->write("4");
            remote->flush();
            QTest::qWait(20);
            remote->write("9");
            remote->flush();
            QTest::qWait(200);
        }
        QTRY_COMPARE_WITH_TIMEOUT(reads, QStringList{"49"}, patienceMs);
        QTest::qWait(50);
        QCOMPARE(reads, QStringList{"49"}); // nothing was left for a second event to report
    }
    void acceptsARequestByIdentifier() {
        const quint16 port = freePort();
        TcpSocketControl listener(posix);
        TcpSocketControl server(posix);
        listener.setLocalPort(port);
        listener.listen();
        QSignalSpy request(&listener, &TcpSocketControl::connectionRequest);

        QTcpSocket guest;
        guest.connectToHost(QHostAddress::LocalHost, port);
        guest.write("guest"); // sent before the accept: reported after it, in order
        QVERIFY(request.wait(patienceMs));

        QSignalSpy arrival(&server, &TcpSocketControl::dataArrival);
        server.accept(request.at(0).at(0).toInt());
        QTRY_VERIFY_WITH_TIMEOUT(!arrival.isEmpty(), patienceMs);
        QCOMPARE(server.getData(), QString("guest"));
        QCOMPARE(server.state(), TcpSocketControl::State::Connected);
    }
    void eventsWaitWhileAHandlerShowsAModalBox() {
        RawServer peer;
        QVERIFY(peer.listen());
        TcpSocketControl client(posix);
        QTcpSocket* remote = peer.connect(client);
        QVERIFY(remote);

        QStringList seen;
        connect(&client, &TcpSocketControl::dataArrival, this,
                [&] { seen.append("data:" + client.getData()); });
        connect(&client, &TcpSocketControl::peerClosed, this, [&] { seen.append("closed"); });
        {
            const HandlerGate::ModalScope box; // as while a message box is up
            remote->write("50");
            remote->flush();
            remote->disconnectFromHost();
            QTest::qWait(200); // the nested loop runs; nothing may reach the game
            QVERIFY(seen.isEmpty());
        }
        QTRY_COMPARE_WITH_TIMEOUT(seen, QStringList({"data:50", "closed"}), patienceMs);
    }
    void peerClosingIsToldApartFromOurOwnClose() {
        RawServer peer;
        QVERIFY(peer.listen());
        TcpSocketControl client(posix);
        QSignalSpy closed(&client, &TcpSocketControl::peerClosed);
        QTcpSocket* remote = peer.connect(client);
        QVERIFY(remote);

        client.close();
        QVERIFY(remote->waitForDisconnected(patienceMs) ||
                remote->state() == QAbstractSocket::UnconnectedState);
        QTest::qWait(100);
        QCOMPARE(closed.count(), 0);

        QTcpSocket* second = peer.connect(client);
        QVERIFY(second);
        second->disconnectFromHost();
        QVERIFY(closed.wait(patienceMs));
    }
    void refusedConnectIsAnError() {
        TcpSocketControl client(posix);
        QSignalSpy error(&client, &TcpSocketControl::errorOccurred);
        client.connectTo("127.0.0.1", freePort());
        QVERIFY(error.wait(patienceMs));
        QCOMPARE(error.at(0).at(0).value<TcpSocketControl::Failure>(),
                 TcpSocketControl::Failure::ConnectRefused);
        QVERIFY(!error.at(0).at(1).toString().isEmpty());
    }
    void listenOnAPortInUseIsAnError() {
        RawServer occupant;
        QVERIFY(occupant.listen());
        TcpSocketControl listener(posix);
        QSignalSpy error(&listener, &TcpSocketControl::errorOccurred);
        listener.setLocalPort(occupant.server.serverPort());
        listener.listen();
        QVERIFY(error.wait(patienceMs));
        QCOMPARE(error.at(0).at(0).value<TcpSocketControl::Failure>(),
                 TcpSocketControl::Failure::Listen);
        QCOMPARE(listener.state(), TcpSocketControl::State::Closed);
    }
    void operationsRefusedInTheWrongState() {
        TcpSocketControl control(posix);
        control.sendData("42");
        QCOMPARE(control.getData(), QString());
        control.close(); // closing what is not open does nothing
        control.setLocalPort(freePort());
        control.listen();
        control.connectTo("127.0.0.1", 1); // refused while listening
        control.accept(-1);
        QCOMPARE(control.state(), TcpSocketControl::State::Listening);
    }
};

QTEST_MAIN(TestTcpSocketControl)
#include "tst_tcpsocketcontrol.moc"
