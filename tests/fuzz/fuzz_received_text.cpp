// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes what a network peer may send: any bytes, over several arrivals (split at 0xFF),
// into a session that may still wait for the greeting. Play must never crash or read outside
// the board, and must leave a board that play could have made.
#include "rules/linewindows.h"
#include "support/testplatform.h"
#include "toolkit/menuitemarray.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

using namespace tavelin;

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool anyLine(const Form1& form) {
    for (const CellContent colour : {CellContent::Red, CellContent::Blue}) {
        for (const std::span<const LineWindow> lines : windows::allDirections) {
            for (const LineWindow& line : lines) {
                if (std::all_of(line.cells.begin(), line.cells.end(),
                                [&](int cell) { return form.cellHolds(cell, colour); })) {
                    return true;
                }
            }
        }
    }
    return false;
}

// Pieces rest on pieces, and a column is open exactly while it has room, unless a line of
// four has closed them all.
void requireReachable(const Form1& form) {
    for (int cell = 0; cell < board::cellCount; ++cell) {
        const bool empty = form.cellHolds(cell, CellContent::Empty);
        require(empty || form.cellHolds(cell, CellContent::Red) ||
                form.cellHolds(cell, CellContent::Blue));
        require(empty || cell < board::columns ||
                !form.cellHolds(cell - board::columns, CellContent::Empty));
    }
    const bool over = anyLine(form);
    for (int column = 0; column < board::columns; ++column) {
        const bool room = form.cellHolds(board::topRowStart + column, CellContent::Empty);
        const bool open = form.markerVisible(board::markerOfColumn(column));
        require(over ? !open : open == room);
    }
}

Form1& sessionForm() {
    static int argc = 1;
    static char name[] = "fuzz_received_text";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static test::TestGame game;
    return *game.form;
}

void startSession(Form1& form, std::uint8_t flags) {
    form.mnusubGame_Click(mnuOnePlayer);
    const bool host = (flags & 1U) != 0;
    form.mnusubGame().setChecked(mnuOnePlayer, false);
    form.mnusubGame().setChecked(host ? mnuWaitForConnection : mnuConnectToOpponent, true);
    form.NewGame();
    form.GameActive = False;
    form.AwaitingGreeting = (flags & 2U) != 0 ? True : False;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    Form1& form = sessionForm();
    startSession(form, data[0]);
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const QList<QByteArray> arrivals =
        QByteArray(bytes, static_cast<qsizetype>(size - 1)).split('\xFF');
    for (const QByteArray& arrival : arrivals) {
        form.HandleReceivedText(QString::fromLatin1(arrival));
        requireReachable(form);
    }
    return 0;
}
