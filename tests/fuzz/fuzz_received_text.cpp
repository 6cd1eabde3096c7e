// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes what a network peer may send: any bytes, in several arrivals (split at 0xFF), to a
// session that waits for the greeting, with the local player's clicks between them (0xF8 to
// 0xFE: a click on marker 42 to 48), so that boards fill. Play must never crash, read outside
// the board or do anything undefined (the sanitizers watch), and after every arrival and click
// the board is one that play can leave. Nothing the harness keeps grows from one input to the
// next.
#include "support/testplatform.h"
#include "toolkit/handlergate.h"
#include "toolkit/menuitemarray.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>

using namespace tavelin;

namespace {

constexpr std::uint8_t firstClick = 0xF8;
constexpr std::uint8_t arrivalEnd = 0xFF;

// A greeting without its line feed is taken whole at the next turn of the event loop.
test::TestGame& sessionGame() {
    static int argc = 1;
    static char name[] = "fuzz_received_text";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static test::TestGame game(NetworkSettings::defaultPort, std::nullopt,
                               std::chrono::milliseconds(0));
    return game;
}

// No piece floats above an empty cell, a column's marker is hidden exactly when the column is
// full (or the game is won), and Red and Blue never differ by more than one piece.
bool soundBoard(const Form1& form) {
    const QString cells = test::boardText(form);
    const bool won = !form.WinningLines().isEmpty();
    for (int cell = board::columns; cell < board::cellCount; ++cell) {
        if (cells.at(cell) != u'.' && cells.at(cell - board::columns) == u'.') {
            return false;
        }
    }
    const auto markerTellsTheTruth = [&](int marker) {
        return form.markerVisible(marker) == (!won && cells.at(marker - board::columns) == u'.');
    };
    return std::ranges::all_of(board::markers, markerTellsTheTruth) &&
           std::abs(cells.count(u'R') - cells.count(u'B')) <= 1;
}

// Hands the arrival to the connection and lets the game react to all it made of it.
void deliver(PeerConnection& connection, QByteArray& arrival) {
    connection.receive(QString::fromLatin1(std::exchange(arrival, {})));
    do {
        QCoreApplication::processEvents();
    } while (HandlerGate::hasWaitingEvents());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    test::TestGame& game = sessionGame();
    Form1& form = *game.form;
    game.dialogs.texts.clear();
    game.dialogs.looks.clear();
    const bool host = (data[0] & 1U) != 0;
    test::enterSession(form, host ? mnuWaitForConnection : mnuConnectToOpponent);
    PeerConnection& connection = host ? form.wsServer : form.wsClient;
    QByteArray arrival;
    for (std::size_t at = 1; at <= size && form.checkedMode() != PlayMode::OnePlayer; ++at) {
        const std::uint8_t byte = at < size ? data[at] : arrivalEnd;
        if (byte >= firstClick) {
            deliver(connection, arrival);
            if (byte != arrivalEnd) {
                form.Image1_Click(board::firstMarker + (byte - firstClick));
            }
            if (!soundBoard(form)) {
                std::abort();
            }
        } else {
            arrival += static_cast<char>(byte);
        }
    }
    return 0;
}
