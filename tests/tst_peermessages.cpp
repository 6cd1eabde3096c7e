// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting what the peer sends into messages, and reading what the player types.
#include "net/peermessages.h"

#include <QTest>

using namespace tavelin;

class TestPeerMessages : public QObject {
    Q_OBJECT

private slots:
    void splitting_data() {
        QTest::addColumn<QStringList>("arrivals");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("waiting");

        QTest::newRow("one move") << QStringList{"45"} << QStringList{"45"} << "";
        QTest::newRow("move then new game at once")
            << QStringList{"4349"} << QStringList{"43", "49"} << "";
        QTest::newRow("a move in two pieces") << QStringList{"4", "2"} << QStringList{"42"} << "";
        QTest::newRow("trailing half waits") << QStringList{"485"} << QStringList{"48"} << "5";
        QTest::newRow("both ends of the range")
            << QStringList{"4250"} << QStringList{"42", "50"} << "";
        QTest::newRow("a cell index") << QStringList{"3"} << QStringList{} << "";
        QTest::newRow("41 is a cell") << QStringList{"41"} << QStringList{} << "";
        QTest::newRow("51 is nothing") << QStringList{"51"} << QStringList{} << "";
        QTest::newRow("negative") << QStringList{"-4"} << QStringList{} << "";
        QTest::newRow("letters") << QStringList{"ab"} << QStringList{} << "";
        QTest::newRow("signed") << QStringList{"+4"} << QStringList{} << "";
        QTest::newRow("space") << QStringList{" 4"} << QStringList{} << "";
        QTest::newRow("garbage after a move is dropped")
            << QStringList{"44x49"} << QStringList{"44"} << "";
        QTest::newRow("long number") << QStringList{"100"} << QStringList{} << "";
        QTest::newRow("recovers on the next arrival")
            << QStringList{"zz", "46"} << QStringList{"46"} << "";
        QTest::newRow("non-ASCII digits")
            << QStringList{QString::fromUtf8("٤٢")} << QStringList{} << "";
    }
    void splitting() {
        QFETCH(QStringList, arrivals);
        QFETCH(QStringList, messages);
        QFETCH(QString, waiting);
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
    void greetingShownSafely_data() {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a host name") << "guest-pc"
                                     << "guest-pc";
        QTest::newRow("control characters go") << "gu\x01"
                                                  "est\r\n"
                                               << "guest";
        QTest::newRow("markup stays text") << "<b>x</b>"
                                           << "<b>x</b>";
        QTest::newRow("cut to 64") << QString(10240, 'a') << QString(64, 'a');
        QTest::newRow("empty") << ""
                               << "";
    }
    void greetingShownSafely() {
        QFETCH(QString, greeting);
        QFETCH(QString, shown);
        QCOMPARE(sanitizeGreeting(greeting), shown);
    }
    void typedAddresses_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port"); // 0: none typed
        QTest::newRow("address") << "192.168.1.20" << true << "192.168.1.20" << 0;
        QTest::newRow("name") << " gamebox " << true << "gamebox" << 0;
        QTest::newRow("address:port") << "10.0.0.7:10007" << true << "10.0.0.7" << 10007;
        QTest::newRow("bare IPv6") << "fe80::1" << true << "fe80::1" << 0;
        QTest::newRow("[IPv6]:port") << "[::1]:2000" << true << "::1" << 2000;
        QTest::newRow("[IPv6]") << "[::1]" << true << "::1" << 0;
        QTest::newRow("port 0") << "10.0.0.7:0" << false << "" << 0;
        QTest::newRow("port too big") << "10.0.0.7:65536" << false << "" << 0;
        QTest::newRow("port not a number") << "10.0.0.7:x" << false << "" << 0;
        QTest::newRow("empty port") << "10.0.0.7:" << false << "" << 0;
        QTest::newRow("unclosed bracket") << "[::1:2000" << false << "" << 0;
        QTest::newRow("junk after bracket") << "[::1]2000" << false << "" << 0;
        QTest::newRow("no host") << ":2000" << false << "" << 0;
    }
    void typedAddresses() {
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, host);
        QFETCH(int, port);
        const std::optional<PeerAddress> parsed = parsePeerAddress(typed);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            const std::optional<quint16> typedPort =
                port == 0 ? std::nullopt : std::optional<quint16>(static_cast<quint16>(port));
            QCOMPARE(*parsed, (PeerAddress{host, typedPort}));
        }
    }
};

QTEST_MAIN(TestPeerMessages)
#include "tst_peermessages.moc"
