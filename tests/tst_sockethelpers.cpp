// SPDX-License-Identifier: GPL-3.0-or-later
// Host name and address look-ups, and what the user is told when the socket library fails.
#include "support/testplatform.h"

#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

class TestSocketHelpers : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;
    FakeSocketLibrary* library = nullptr;

private slots:
    void init() {
        game = std::make_unique<TestGame>();
        form = game->form.get();
        library = &game->sockets;
    }

    void versionBytes_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("1.1") << 257 << 1 << 1;
        QTest::newRow("2.2") << 514 << 2 << 2;
        QTest::newRow("-1: division truncates toward zero") << -1 << 255 << 0;
        QTest::newRow("-256") << -256 << 0 << 255;
    }
    void versionBytes() {
        QFETCH(int, word);
        QFETCH(int, low);
        QFETCH(int, high);
        QCOMPARE(Form1::Lobyte(static_cast<std::int16_t>(word)), low);
        QCOMPARE(Form1::Hibyte(static_cast<std::int16_t>(word)), high);
    }
    void libraryVersions_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("1.1") << 0x0101 << QString();
        QTest::newRow("2.2") << 0x0202 << QString();
        QTest::newRow("1.0") << 0x0001 << "Version Sockets = 1.0Too Lo";
        QTest::newRow("0.9") << 0x0900 << "Version Sockets = 0.9Too Lo";
    }
    void libraryVersions() {
        QFETCH(int, version);
        QFETCH(QString, message);
        library->offered.version = static_cast<std::int16_t>(version);
        QCOMPARE(form->SocketsInitialize(), message.isEmpty() ? True : False);
        QCOMPARE(game->dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }
    void failures_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("addressLookUp"); // else the host-name look-up
        QTest::addColumn<ShownMessage>("shown");

        const ShownMessage notResponding{"Winsock Not Responting", Dialogs::Style::Exclamation,
                                         "ERROR"};
        for (const bool address : {false, true}) {
            const char* routine = address ? "GetIPAddress" : "GetIPHostName";
            QTest::addRow("%s: startup", routine) << "startup" << address << notResponding;
            QTest::addRow("%s: no sockets", routine)
                << "sockets" << address
                << ShownMessage{"Want Winsock at less = 1", Dialogs::Style::Plain, ""};
            QTest::addRow("%s: host name", routine)
                << "name" << address
                << ShownMessage{"Windows Sockets Error : 10093", Dialogs::Style::Plain, ""};
            QTest::addRow("%s: cleanup", routine) << "cleanup" << address << notResponding;
        }
        QTest::newRow("GetIPAddress: address")
            << "address" << true
            << ShownMessage{"Windows Not Responting", Dialogs::Style::Exclamation, "ERROR"};
    }
    void failures() {
        QFETCH(QString, failing);
        QFETCH(bool, addressLookUp);
        QFETCH(ShownMessage, shown);
        if (failing == "startup") {
            library->startupResult = 10091;
        } else if (failing == "sockets") {
            library->offered.maxSockets = 0;
        } else if (failing == "name") {
            library->name.reset();
        } else if (failing == "cleanup") {
            library->cleanupResult = 10093;
        } else {
            library->address.reset();
        }
        const QString result = addressLookUp ? form->GetIPAddress() : form->GetIPHostName();
        QCOMPARE(game->dialogs.shown, QList<ShownMessage>{shown});
        // A failed clean-up is told, but the look-up itself succeeded.
        QCOMPARE(result.isEmpty(), failing != "cleanup");
    }
    void hostNameIsRememberedOnlyWhenFound() {
        QCOMPARE(form->GetIPHostName(), QString("testhost"));
        QCOMPARE(form->LocalHostName, QString("testhost"));
        library->name.reset();
        QCOMPARE(form->GetIPHostName(), QString());
        QCOMPARE(form->LocalHostName, QString("testhost"));
        QCOMPARE(library->sessionsOpen, 0);
    }
    void addressInDottedDecimal_data() {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("interfaceAddress"); // empty: none
        QTest::addColumn<QString>("shown");
        QTest::newRow("10.0.0.7") << QByteArray("\x0A\x00\x00\x07", 4) << QByteArray()
                                  << "10.0.0.7";
        QTest::newRow("three digits and one")
            << QByteArray("\xFF\x00\x7F\x01", 4) << QByteArray() << "255.0.127.1";
        QTest::newRow("loopback gives way to the network")
            << QByteArray("\x7F\x00\x01\x01", 4) << QByteArray("\xC0\xA8\x01\x14", 4)
            << "192.168.1.20";
        QTest::newRow("loopback when there is nothing else")
            << QByteArray("\x7F\x00\x01\x01", 4) << QByteArray() << "127.0.1.1";
    }
    void addressInDottedDecimal() {
        QFETCH(QByteArray, address);
        QFETCH(QByteArray, interfaceAddress);
        QFETCH(QString, shown);
        library->name = QByteArray("  testhost ");
        library->address = address;
        if (!interfaceAddress.isEmpty()) {
            library->interfaceAddress = interfaceAddress;
        }
        QCOMPARE(form->GetIPAddress(), shown);
        QCOMPARE(library->lookedUp, QByteArray("testhost"));
        QCOMPARE(form->LocalHostName, QString()); // only the host-name look-up sets it
        QVERIFY(game->dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestSocketHelpers)
#include "tst_sockethelpers.moc"
