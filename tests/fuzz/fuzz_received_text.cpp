// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes what a network peer may send: any bytes, over several arrivals (split at 0xFF),
// into a session that may still wait for the greeting. Play must never crash, read outside the
// board or do anything undefined (the sanitizers watch), and after every arrival the board is
// one that play can leave.
#include "support/testplatform.h"
#include "toolkit/menuitemarray.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>

using namespace tavelin;

namespace {

Form1& sessionForm() {
    static int argc = 1;
    static char name[] = "fuzz_received_text";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static test::TestGame game;
    return *game.form;
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
    return std::ranges::all_of(board::markers,
                               [&](int marker) {
                                   return form.markerVisible(marker) ==
                                          (!won && cells.at(marker - board::columns) == u'.');
                               }) &&
           std::abs(cells.count(u'R') - cells.count(u'B')) <= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    Form1& form = sessionForm();
    test::enterSession(form, (data[0] & 1U) != 0 ? mnuWaitForConnection : mnuConnectToOpponent,
                       (data[0] & 2U) != 0 ? True : False);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    for (const QByteArray& arrival : bytes.split('\xFF')) {
        if (form.checkedMode() == PlayMode::OnePlayer) {
            break; // the peer left: its connection is closed
        }
        form.HandleReceivedText(QString::fromLatin1(arrival));
        if (!soundBoard(form)) {
            std::abort();
        }
    }
    return 0;
}
