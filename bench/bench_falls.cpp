// SPDX-License-Identifier: GPL-3.0-or-later
// A piece falling into the bottom row of a shown window, the longest fall: the time each frame
// takes to paint and show, and the processor time a whole fall costs.
#include "support/testplatform.h"

#include <QEventLoop>
#include <QVariantAnimation>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include <benchmark/benchmark.h>

using namespace tavelin;
using tavelin::test::TestGame;

namespace {

constexpr int frameMs = 16; // the animation timer's step

// This thread's processor time: unlike the clock on the wall, it leaves out the time other
// programs on a busy machine take.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A shown two-player window that has just played into the empty column 0.
struct Falling {
    Falling() {
        game.form->mnusubGame_Click(mnuTwoPlayers);
        game.form->show();
        QCoreApplication::processEvents();
    }
    PieceFalls& dropOne() {
        game.form->mnusubGame_Click(mnuNew);
        QCoreApplication::sendPostedEvents(); // the empty board drawn
        game.form->Image1_Click(board::firstMarker);
        return *game.form->findChild<PieceFalls*>();
    }
    TestGame game;
};

// Each frame of the fall by hand: the piece moved one step on, the window repainted and
// flushed to the screen.
void BM_FallFrames(benchmark::State& state) {
    Falling window;
    std::vector<double> wallMs;
    double longestCpuMs = 0;
    double totalCpuMs = 0;
    int frames = 0;
    for (auto _ : state) {
        PieceFalls& falls = window.dropOne();
        auto* drop = falls.findChild<QVariantAnimation*>();
        drop->pause();
        for (int at = 0; falls.falling(); at += frameMs) {
            const auto start = std::chrono::steady_clock::now();
            const double startCpu = threadCpuMs();
            drop->setCurrentTime(std::min(at, drop->duration()));
            QCoreApplication::sendPostedEvents(); // the repaint the move asked for
            const double cpuMs = threadCpuMs() - startCpu;
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            wallMs.push_back(took.count());
            longestCpuMs = std::max(longestCpuMs, cpuMs);
            totalCpuMs += cpuMs;
            ++frames;
        }
    }
    // On a busy machine the longest frame on the wall clock is another program's time slice;
    // the 99th percentile shows what the frames take.
    std::ranges::sort(wallMs);
    state.counters["longest_frame_ms"] = wallMs.back();
    state.counters["p99_frame_ms"] = wallMs.at(wallMs.size() * 99 / 100);
    state.counters["longest_frame_cpu_ms"] = longestCpuMs;
    state.counters["mean_frame_cpu_ms"] = totalCpuMs / frames;
    state.counters["frames_per_fall"] = double(frames) / double(state.iterations());
}
BENCHMARK(BM_FallFrames)->Unit(benchmark::kMillisecond);

// A whole fall as the event loop plays it: wall time about a quarter of a second, and the
// processor time it used (the CPU column).
void BM_FallProcessorTime(benchmark::State& state) {
    Falling window;
    for (auto _ : state) {
        PieceFalls& falls = window.dropOne();
        QEventLoop loop;
        QObject::connect(&falls, &PieceFalls::landed, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
BENCHMARK(BM_FallProcessorTime)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
