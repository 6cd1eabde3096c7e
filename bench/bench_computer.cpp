// SPDX-License-Identifier: GPL-3.0-or-later
// One whole computer reply, on the real controls, over positions met in play.
#include "playout.h"
#include "support/testplatform.h"

#include <algorithm>
#include <chrono>

#include <benchmark/benchmark.h>

using namespace tavelin;
using namespace tavelin::test;

namespace {

void BM_ComputerReply(benchmark::State& state) {
    static const QList<Position> positions = reachablePositions(10000, 20261206);
    TestGame game;
    SeededRandom values(7);
    std::vector<double> replyNs;
    replyNs.reserve(positions.size());
    qsizetype next = 0;
    for (auto _ : state) {
        const Position& position = positions.at(next);
        next = (next + 1) % positions.size();
        loadPosition(*game.form, position);
        game.random.values = {values.next()};

        const auto start = std::chrono::steady_clock::now();
        game.form->TryWinStraight();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

        state.SetIterationTime(took.count());
        replyNs.push_back(took.count() * 1e9);
    }
    std::nth_element(replyNs.begin(), replyNs.begin() + replyNs.size() / 2, replyNs.end());
    state.counters["median_ns"] = replyNs.at(replyNs.size() / 2);
    state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_ComputerReply)->UseManualTime()->Iterations(100000);

} // namespace
