// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "termination_signals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <unistd.h>
#include <vector>

namespace orv {
namespace {

// Runs the event loop until `reported` holds `count` signals or `ms` milliseconds have passed.
void processUntil(const std::vector<int>& reported, std::size_t count, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (reported.size() < count && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

TEST(TerminationSignals, AStormWhileTheLoopIsBusyNeitherBlocksNorRepeatsTheShutdown) {
    int argc = 1;
    char name[] = "app_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    std::vector<int> reported;
    const TerminationSignals handler([&reported](int signal) { reported.push_back(signal); });
    ASSERT_TRUE(handler.installed());

    // Far more signals than the socket pair holds, with nobody reading: a handler that waited for
    // room would wait for this very thread forever, and the alarm would end the test.
    ::alarm(10);
    int errnoChanged = 0;
    for (int i = 0; i < 20000; ++i) {
        errno = EDOM;
        ASSERT_EQ(::raise(i % 2 == 0 ? SIGTERM : SIGHUP), 0);
        if (errno != EDOM) ++errnoChanged;
    }
    ::alarm(0);
    EXPECT_EQ(errnoChanged, 0) << "the handler must leave errno as it found it";
    EXPECT_TRUE(reported.empty()) << "reported outside the event loop";

    processUntil(reported, 1);
    processUntil(reported, 2, 300); // give a repeat every chance to show
    EXPECT_EQ(reported, std::vector<int>{SIGTERM});

    // The pair is drained and still works: a later signal is reported on its own.
    ASSERT_EQ(::raise(SIGINT), 0);
    processUntil(reported, 2);
    EXPECT_EQ(reported, (std::vector<int>{SIGTERM, SIGINT}));
}

} // namespace
} // namespace orv
