// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The tape with a full file behind it: opening it, and one more line while it is shown. Both
// through the real main window, offscreen, up to the lines drawn.
#include "calculator_window.h"
#include "settings_store.h"
#include "tape_keeper.h"
#include "tape_window.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// As a long session leaves it: every line a step of a usual shape.
void writeFullTape(const QString& path) {
    QByteArray text;
    for (qsizetype n = 0; n < qsizetype(orv::TapeKeeper::kKeptLines); ++n) {
        switch (n % 4) {
        case 0:
            text += QStringLiteral("%1 × 3,5 = %2\t%3\n").arg(n).arg(n * 3.5).arg(n * 3.5).toUtf8();
            break;
        case 1:
            text += QStringLiteral("sin %1° = 0,5\t0.5\n").arg(n).toUtf8();
            break;
        case 2:
            text += QStringLiteral("%1,5 Kilometer = %1500 Meter\t%1500\n").arg(n).toUtf8();
            break;
        default:
            text += QStringLiteral("%1 ÷ 0: It is impossible to divide by zero\n").arg(n).toUtf8();
            break;
        }
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
}

struct Session {
    QTemporaryDir dir;
    std::unique_ptr<orv::SettingsStore> store;
    std::unique_ptr<orv::TCalculator> window;

    Session() {
        writeFullTape(dir.filePath(QStringLiteral("tape.txt")));
        store = orv::openSettingsFile(dir.filePath(QStringLiteral("Orvantis.conf")));
    }
    void start() {
        window = std::make_unique<orv::TCalculator>(*store, orv::Separators{",", " "});
        window->show();
        QCoreApplication::processEvents();
    }
};

// From Ctrl+H to the window drawn with the file's 10 000 lines in it.
void BM_OpenFullTape(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        state.PauseTiming();
        session.start();
        state.ResumeTiming();
        session.window->miTapeClick();
        session.window->tape().settleWithFile();
        session.window->tapeWindow()->repaint();
        state.PauseTiming();
        session.window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFullTape)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);

// One line more on a full tape that is shown: given to the file's worker, to the list (the oldest
// line going), and the view drawn again.
void BM_AddLineToShownFullTape(benchmark::State& state) {
    Session session;
    session.start();
    session.window->miTapeClick();
    session.window->tape().settleWithFile();
    QListView* view = session.window->tapeWindow()->view();
    orv::TapeStep line{orv::TapeForm::Operation, "12 345", "6,5", {}, "×", {}, {}, {}};
    line.setResult(80242.5L, "80242,5");
    for (auto _ : state) {
        session.window->tape().writeTapeStep(line);
        view->viewport()->repaint();
    }
    session.window->tape().settleWithFile();
}
BENCHMARK(BM_AddLineToShownFullTape)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing here may touch the real user's settings.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
