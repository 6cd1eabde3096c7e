// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/nodiscovery.h"
#include "net/socketlibrary.h"
#include "toolkit/dialogs.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/randomsequence.h"
#include "toolkit/urlopener.h"
#include "window/form1.h"
#include "window/narrator.h"
#include "window/platform.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QList>
#include <QProxyStyle>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <memory>
#include <utility>

namespace tavelin::test {

// Records every box instead of showing it, and answers input boxes from a script. (Tests that
// need a box up while the peer sends open a real one.)
class RecordingDialogs final : public Dialogs {
public:
    void msgBox(const QString& text, Style style, const QString& /*title*/) override {
        texts.append(text);
        looks.append(style);
    }
    QString addressBox(const QString& /*prompt*/, const QString& defaultText,
                       GameDiscovery& /*discovery*/) override {
        return answers.isEmpty() ? defaultText : answers.takeFirst();
    }

    QStringList texts;   // of each message box, in order
    QList<Style> looks;  // its style
    QStringList answers; // once they run out, the default text
};

// Hands out the values it is given, in order; 0 once they run out.
class ScriptedRandom final : public RandomSequence {
public:
    void seedFromClock() override {}
    float next() override { return values.isEmpty() ? 0.0F : values.takeFirst(); }

    QList<float> values;
};

class RecordingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.append(url);
        return canOpen;
    }
    QList<QUrl> opened;
    bool canOpen = true; // false: no browser or mail program
};

// A socket library whose answers a test sets: by default a host "testhost" at 10.0.0.7, which
// the resolver gives only when the test lets it. It listens, and finds the interfaces, for
// real, but refuses the ports a test reserves as the system would.
class FakeSocketLibrary final : public SocketLibrary {
public:
    int startup(std::int16_t /*requestedVersion*/, StartupInfo& info) override {
        info = offered;
        sessionsOpen += failing == "startup" ? 0 : 1;
        return failing == "startup" ? 10091 : 0;
    }
    int cleanup() override {
        sessionsOpen -= failing == "cleanup" ? 0 : 1;
        return failing == "cleanup" ? 10093 : 0;
    }
    int lastError() override { return 10093; }
    int hostName(char* buffer, int length) override {
        qstrncpy(buffer, name.constData(), static_cast<std::size_t>(length));
        return failing == "name" ? -1 : 0;
    }
    void lookUpFirstAddress(const QByteArray& /*name*/, AddressAnswer answer) override {
        held.append(std::move(answer));
    }
    void answerHeld() {
        for (const AddressAnswer& answer : std::exchange(held, {})) {
            answer(failing == "address" ? std::nullopt : std::optional(address));
        }
    }
    std::optional<QByteArray> reachableAddress() override { return system_.reachableAddress(); }
    std::optional<ListenRefusal> listen(QTcpServer& server, quint16 port) override {
        if (privilegedPorts.contains(port)) {
            return ListenRefusal{true, QStringLiteral("Permission denied")};
        }
        return system_.listen(server, port);
    }

    QString failing; // the call that fails: "startup", "cleanup", "name" or "address"
    StartupInfo offered{0x0202, 100};
    QByteArray name = "testhost";
    QByteArray address{"\x0A\x00\x00\x07", 4};
    QList<AddressAnswer> held;
    int sessionsOpen = 0;
    QList<quint16> privilegedPorts;

private:
    PosixSocketLibrary system_;
};

// The desktop's style with its widget animations off, as where the user wants no motion.
class StillStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        return hint == SH_Widget_Animation_Duration
                   ? 0
                   : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// Records what the game offers on the network, and finds nothing there.
class RecordingDiscovery final : public NoDiscovery {
public:
    void advertise(const QString& name, quint16 port) override {
        offered = name + ':' + QString::number(port);
    }
    void withdraw() override { offered.clear(); }

    QString offered; // "name:port", or empty
};

// A main window wired to recording seams. No fallback port unless a test asks for one. Its
// pieces are placed at once, so that what is painted is the board held after every step; the
// window test lets them fall where it watches them.
struct TestGame {
    static constexpr std::chrono::milliseconds greetingLimit{200}; // each side gives the other
    static constexpr std::chrono::milliseconds greetingQuiet{1};   // for a greeting without \n
    explicit TestGame(quint16 port = NetworkSettings::defaultPort,
                      std::optional<quint16> fallbackPort = std::nullopt,
                      std::chrono::milliseconds quiet = greetingQuiet)
        : form(std::make_unique<Form1>(
              Platform{dialogs, random, urls, sockets, discovery,
                       NetworkSettings{port, fallbackPort, greetingLimit, quiet}})) {
        form->setStyle(&still);
    }

    RecordingDialogs dialogs;
    ScriptedRandom random;
    RecordingUrlOpener urls;
    FakeSocketLibrary sockets;
    StillStyle still;
    RecordingDiscovery discovery;
    std::unique_ptr<Form1> form;
};

// Board notation: 42 characters, cell 0 first; 'R' red, 'B' blue, anything else empty.
// Markers of full columns are hidden, as play would leave them.
inline void setBoard(Form1& form, const QString& cells) {
    for (int cell = 0; cell < board::cellCount; ++cell) {
        const QChar piece = cell < cells.size() ? cells.at(cell) : QChar();
        form.setCell(cell, piece == 'R'   ? CellContent::Red
                           : piece == 'B' ? CellContent::Blue
                                          : CellContent::Empty);
    }
    for (const int marker : board::markers) {
        const bool room = form.cellHolds(marker - board::columns, CellContent::Empty);
        room ? form.showMarker(marker) : form.hideMarker(marker);
    }
}

// A network session's side as it waits for the peer's greeting, with no connection under it:
// the caller hands what the peer sends to its connection.
inline void enterSession(Form1& form, int sessionItem) {
    form.mnusubGame_Click(mnuOnePlayer);
    form.mnusubGame().setChecked(mnuOnePlayer, false);
    form.mnusubGame().setChecked(sessionItem, true);
    form.NewGame();
    form.GameActive = False;
    form.AwaitingGreeting = True;
}

inline QString boardText(const Form1& form) {
    QString text;
    for (int cell = 0; cell < board::cellCount; ++cell) {
        text += form.cellHolds(cell, CellContent::Red)    ? 'R'
                : form.cellHolds(cell, CellContent::Blue) ? 'B'
                                                          : '.';
    }
    return text;
}

// What a screen reader was told last, once the game is back in the event loop.
inline QString heard(const Form1& form) {
    QCoreApplication::sendPostedEvents();
    return form.findChild<Notice*>()->accessibleName();
}

using Cells = QList<int>;

// The cells whose content differs between two boards in that notation.
inline Cells changedCells(const QString& before, const QString& after) {
    Cells changed;
    for (int cell = 0; cell < board::cellCount; ++cell) {
        if (before.at(cell) != after.at(cell)) {
            changed.append(cell);
        }
    }
    return changed;
}

// The Game menu's commands as the player sees them, and a screen reader is told them: each
// one's index, with '*' when it is checked and '-' when it is disabled: "0 3* 4 7 8 9-" at start.
inline QString menuState(const Form1& form) {
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(form.mnusubGame().parent());
    QStringList items;
    for (const int index : {mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection,
                            mnuConnectToOpponent, mnuDisconnect}) {
        const QAccessible::State shown = menu->child(index)->state();
        items << QString::number(index) + (shown.checked ? "*" : "") + (shown.disabled ? "-" : "");
    }
    return items.join(' ');
}

// A port that nothing listens on right now, from a range of 64 of this process's own (one of
// 600 from port 20000), so that test programs run in parallel never hand out the same one. The
// probe passes over a port another program holds; a port comes round again only after 63 others.
inline quint16 freePort() {
    static int next = 0;
    const int base = 20000 + static_cast<int>(QCoreApplication::applicationPid() % 600) * 64;
    for (int tried = 0; tried < 64; ++tried) {
        const auto port = static_cast<quint16>(base + next++ % 64);
        if (QTcpServer().listen(QHostAddress::Any, port)) {
            return port;
        }
    }
    return 0;
}

} // namespace tavelin::test
