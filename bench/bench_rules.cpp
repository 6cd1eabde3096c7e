// SPDX-License-Identifier: GPL-3.0-or-later
// The win check and the drop on the real picture controls.
#include "support/testplatform.h"

#include <chrono>

#include <benchmark/benchmark.h>

using namespace tavelin;
using tavelin::test::TestGame;

namespace {

void setCells(Form1& form, std::initializer_list<int> cells, CellContent colour) {
    for (const int cell : cells) {
        form.setCell(cell, colour);
    }
}

void BM_YouWin_EmptyBoard(benchmark::State& state) {
    TestGame game;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.form->YouWin());
    }
}
BENCHMARK(BM_YouWin_EmptyBoard);

void BM_YouWin_FullBoardWithoutLine(benchmark::State& state) {
    TestGame game;
    setCells(*game.form,
             {0, 1, 4, 5, 7, 8, 11, 12, 16, 17, 20, 21, 22, 25, 26, 30, 31, 34, 37, 38, 41},
             CellContent::Red);
    setCells(*game.form,
             {2, 3, 6, 9, 10, 13, 14, 15, 18, 19, 23, 24, 27, 28, 29, 32, 33, 35, 36, 39, 40},
             CellContent::Blue);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.form->YouWin());
    }
}
BENCHMARK(BM_YouWin_FullBoardWithoutLine);

// The last group the check tests.
void BM_YouWin_BlueFallingDiagonalOnly(benchmark::State& state) {
    TestGame game;
    setCells(*game.form, {20, 26, 32, 38}, CellContent::Blue);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.form->YouWin());
    }
}
BENCHMARK(BM_YouWin_BlueFallingDiagonalOnly);

// The drop alone is timed; the board is set up again for the next one, and what a screen reader
// would have been told of the piece is let go with the old game.
void BM_DropPiece_IntoColumnOfFive(benchmark::State& state) {
    TestGame game;
    for (auto _ : state) {
        game.form->NewGame();
        setCells(*game.form, {3, 10, 17, 24, 31}, CellContent::Red);
        const auto start = std::chrono::steady_clock::now();
        game.form->DropPiece(45);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_DropPiece_IntoColumnOfFive)->UseManualTime();

} // namespace
