// SPDX-License-Identifier: GPL-3.0-or-later
// The program a user starts, on a real X server: it draws its window, and it closes cleanly.
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <optional>

namespace {

const QColor emptyCellYellow(255, 255, 128);

bool isDark(const QColor& colour) {
    return colour.lightness() < 80;
}

// Where the window's client area starts on the screen: found through the top-left cell, whose
// first yellow pixel (right of the left wall) sits at (33, 48) in the client area.
std::optional<QPoint> findClientOrigin(const QImage& screen) {
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixelColor(x, y) == emptyCellYellow) {
                return QPoint(x - 33, y - 48);
            }
        }
    }
    return std::nullopt;
}

// Runs xdotool with these arguments; its standard output.
QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QImage grabScreen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

} // namespace

class TestSmoke : public QObject {
    Q_OBJECT

private slots:
    void startsDrawsAndClosesCleanly() {
        QProcess game;
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QStringLiteral(TAVELIN_BINARY), {});
        QVERIFY(game.waitForStarted());

        std::optional<QPoint> origin;
        QImage screen;
        QTRY_VERIFY_WITH_TIMEOUT((screen = grabScreen(), origin = findClientOrigin(screen)), 30000);
        QTest::qWait(300); // let the first paint finish
        screen = grabScreen();
        const auto at = [&](int x, int y) { return screen.pixelColor(*origin + QPoint(x, y)); };

        QCOMPARE(at(35, 251), emptyCellYellow);              // bottom-left cell, inside its corner
        QCOMPARE(at(310, 52), emptyCellYellow);              // top-right cell
        QCOMPARE(at(52, 20), QColor(Qt::white));             // a plain column marker
        QVERIFY(isDark(at(28, 287)) || isDark(at(28, 288))); // the floor, left of the board
        QVERIFY(isDark(at(31, 150)) || isDark(at(32, 150))); // the left wall

        // The About box's title is its own: nothing of the application's name is added to it.
        const QPoint aboutMenu = *origin + QPoint(70, -12);
        xdotool({"mousemove", QString::number(aboutMenu.x()), QString::number(aboutMenu.y()),
                 "click", "1"});
        QTRY_VERIFY_WITH_TIMEOUT(
            !xdotool({"search", "--onlyvisible", "--name", "^About$"}).isEmpty(), 10000);

        game.terminate(); // as a desktop session ends a program
        QVERIFY(game.waitForFinished(15000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }
};

QTEST_MAIN(TestSmoke)
#include "tst_smoke.moc"
