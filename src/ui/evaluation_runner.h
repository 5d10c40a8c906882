// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "messages.h"

#include <atomic>
#include <memory>
#include <string>

class QEventLoop;
class QThread;

namespace orv {

// One evaluation on a worker thread, over copies of the text, the variables and the language
// messages, so that the window keeps serving events (typing, Cancel, a termination signal) while
// a long SUM runs. SUM gives its index back whatever ends it, so the copy of the variables never
// needs to be written back.
class BackgroundEvaluation {
public:
    BackgroundEvaluation(std::string text, const ExpressionVariables& variables, AngleMeasure angle,
                         Messages messages);
    ~BackgroundEvaluation(); // cancels and waits: the worker never outlives what it reads
    BackgroundEvaluation(const BackgroundEvaluation&) = delete;
    BackgroundEvaluation& operator=(const BackgroundEvaluation&) = delete;

    // Serves the calling thread's events until the evaluation ends, or until the application is
    // told to quit, which cancels it. A quick evaluation ends inside a short plain wait, with no
    // event served at all. Returns the evaluation (cancelled if it was stopped).
    Evaluation finish();

    // Asks the evaluation to stop at its next poll, a fraction of a millisecond of work away.
    void cancel() { cancelRequested_.store(true, std::memory_order_relaxed); }

private:
    void run();

    std::string text_;
    ExpressionVariables variables_;
    Messages messages_;
    EvaluationSettings settings_;
    Evaluation result_;
    std::atomic<bool> cancelRequested_{false};
    std::unique_ptr<QEventLoop> ended_;
    std::unique_ptr<QThread> thread_;
};

} // namespace orv
