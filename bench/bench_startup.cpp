// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The start-up figure inside one process: the main window created from a first run's settings
// and shown, beside an empty window of its size, both on the offscreen platform (no server, no
// window manager). The whole program's time to its first mapped window, against an empty Qt
// window's, is what bench/compare.sh measures.
#include "calculator_window.h"
#include "settings_store.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_EmptyWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.resize(246, 216);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyWindowShown)->Unit(benchmark::kMillisecond);

void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const auto store = orv::openSettingsFile(dir.filePath(QStringLiteral("Orvantis.conf")));
        state.ResumeTiming();
        {
            orv::TCalculator window(*store, orv::Separators{".", ","});
            window.show();
            QApplication::processEvents();
        }
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
