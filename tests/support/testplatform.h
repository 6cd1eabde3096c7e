// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/socketlibrary.h"
#include "toolkit/dialogs.h"
#include "toolkit/randomsequence.h"
#include "toolkit/urlopener.h"
#include "window/form1.h"
#include "window/platform.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <random>

namespace tavelin::test {

struct ShownMessage {
    QString text;
    Dialogs::Style style;
    QString title;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// Records every box instead of showing it, and answers input boxes from a script.
class RecordingDialogs final : public Dialogs {
public:
    void msgBox(const QString& text, Style style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& defaultText) override;

    QStringList texts() const;

    QList<ShownMessage> shown;
    QStringList prompts;
    std::deque<QString> answers;      // an empty script answers with the default text
    std::function<void()> whileShown; // runs while a message box would be up
};

// Hands out the values it is given, in order; 0 once they run out.
class ScriptedRandom final : public RandomSequence {
public:
    void seedFromClock() override { ++seeds; }
    float next() override;

    std::deque<float> values;
    int drawn = 0;
    int seeds = 0;
};

// A fixed pseudo-random sequence: the same values on every run.
class SeededRandom final : public RandomSequence {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void seedFromClock() override {}
    float next() override { return std::uniform_int_distribution<int>(0, 99)(engine_) / 100.0F; }

private:
    std::mt19937 engine_;
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

// A socket library whose answers a test sets: by default a host "testhost" at 10.0.0.7.
class FakeSocketLibrary final : public SocketLibrary {
public:
    int startup(std::int16_t requestedVersion, StartupInfo& info) override;
    int cleanup() override;
    int lastError() override { return errorNumber; }
    int hostName(char* buffer, int length) override;
    std::optional<QByteArray> firstAddress(const QByteArray& name) override;
    std::optional<QByteArray> reachableAddress() override { return interfaceAddress; }
    // Listens for real, but refuses the ports a test reserves as the system would.
    std::optional<ListenRefusal> listen(QTcpServer& server, quint16 port) override;

    int startupResult = 0;
    StartupInfo offered{0x0202, 100};
    int cleanupResult = 0;
    int errorNumber = 10093;
    std::optional<QByteArray> name = QByteArray("testhost"); // nothing: the call fails
    std::optional<QByteArray> address = QByteArray("\x0A\x00\x00\x07", 4);
    std::optional<QByteArray> interfaceAddress;
    QByteArray lookedUp;
    int sessionsOpen = 0;
    QList<quint16> privilegedPorts;
    QList<quint16> listenedOn;

private:
    PosixSocketLibrary system_;
};

// A main window wired to recording seams.
struct TestGame {
    // No fallback port unless a test asks for one: a refused port fails at once.
    explicit TestGame(quint16 port = NetworkPorts::defaultPort,
                      std::optional<quint16> fallbackPort = std::nullopt);

    RecordingDialogs dialogs;
    ScriptedRandom random;
    RecordingUrlOpener urls;
    FakeSocketLibrary sockets;
    std::unique_ptr<Form1> form;
};

// Board notation for tests: 42 characters, cell 0 first; 'R' red, 'B' blue, anything else
// empty. Markers of full columns are hidden, as play would leave them.
void setBoard(Form1& form, const QString& cells);
QString boardText(const Form1& form);
// The Game-menu items that carry a check mark, and those of the commands that are disabled.
QList<int> checkedItems(const Form1& form);
QList<int> disabledCommands(const Form1& form);

// Where a control stands in the window's client area.
QRect placeInForm(const Form1& form, const QWidget& control);

// Cells from a list, for the rule tables: sets each listed cell to the colour.
void setCells(Form1& form, const QList<int>& cells, CellContent colour);

} // namespace tavelin::test
