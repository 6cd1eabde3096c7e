// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks drive real windows, so they need an application object (offscreen).
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
