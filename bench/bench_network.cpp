// SPDX-License-Identifier: GPL-3.0-or-later
// Move latency between two windows over loopback: from the local click to the peer's board
// showing the piece. The two play a game that fills the board without a line, then start over.
#include "support/testplatform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>
#include <chrono>

#include <benchmark/benchmark.h>

using namespace tavelin;
using namespace tavelin::test;

namespace {

// Columns that fill the board, host and guest in turn, without four in a line.
const QString drawnGame = "020000101111414222232333343644545556666565";

// Runs the event loop until `condition` holds; a benchmark that waits more than 10 s for it
// has found a fault, not a figure, and stops.
template <typename Condition> void spinUntil(Condition condition) {
    for (const QDeadlineTimer deadline(10000); !condition();) {
        if (deadline.hasExpired()) {
            qFatal("bench_network: the other window never answered");
        }
        QCoreApplication::processEvents();
    }
}

int lowestEmptyCell(const Form1& form, int column) {
    int cell = column;
    while (!form.cellHolds(cell, CellContent::Empty)) {
        cell += board::columns;
    }
    return cell;
}

void BM_MoveLatencyOverLoopback(benchmark::State& state) {
    const quint16 port = freePort();
    TestGame host(port);
    TestGame guest(port);
    host.form->mnusubGame_Click(mnuWaitForConnection);
    guest.dialogs.answers = {"127.0.0.1"};
    guest.form->mnusubGame_Click(mnuConnectToOpponent);
    spinUntil([&] {
        return host.form->AwaitingGreeting == False && guest.form->AwaitingGreeting == False;
    });

    std::vector<double> latencyNs;
    qsizetype moveNumber = 0;
    for (auto _ : state) {
        if (moveNumber == drawnGame.size()) {
            host.form->mnusubGame_Click(mnuNew);
            spinUntil([&] { return guest.form->cellHolds(0, CellContent::Empty); });
            moveNumber = 0;
        }
        Form1& mover = *(moveNumber % 2 == 0 ? host : guest).form;
        const Form1& peer = *(moveNumber % 2 == 0 ? guest : host).form;
        const int column = drawnGame.at(moveNumber++).digitValue();
        const int cell = lowestEmptyCell(mover, column);

        const auto start = std::chrono::steady_clock::now();
        mover.Image1_Click(board::markerOfColumn(column));
        spinUntil([&] { return !peer.cellHolds(cell, CellContent::Empty); });
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

        state.SetIterationTime(took.count());
        latencyNs.push_back(took.count() * 1e9);
    }
    std::nth_element(latencyNs.begin(), latencyNs.begin() + latencyNs.size() / 2, latencyNs.end());
    state.counters["median_us"] = latencyNs.at(latencyNs.size() / 2) / 1000.0;
}
BENCHMARK(BM_MoveLatencyOverLoopback)->UseManualTime()->Iterations(4200);

} // namespace
