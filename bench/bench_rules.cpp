// SPDX-License-Identifier: GPL-3.0-or-later
// The win check and the drop on the real picture controls.
#include "support/testplatform.h"

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

// Each iteration also takes the piece out again and reopens the column: pausing the timer
// would cost more than the drop itself.
void BM_DropPiece_IntoColumnOfFive_AndUndo(benchmark::State& state) {
    TestGame game;
    setCells(*game.form, {3, 10, 17, 24, 31}, CellContent::Red);
    for (auto _ : state) {
        game.form->DropPiece(45);
        game.form->setCell(38, CellContent::Empty);
        game.form->showMarker(45);
    }
}
BENCHMARK(BM_DropPiece_IntoColumnOfFive_AndUndo);

} // namespace
