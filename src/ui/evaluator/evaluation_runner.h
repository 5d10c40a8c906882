// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "messages.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <string>

namespace orv {

// Runs one evaluation at a time on a worker thread, over copies of the text, the variables and
// the language messages, and reports its end with `finished` on the thread that started it. That
// thread never serves events on the runner's behalf: it goes on with its own event loop, and at
// most waits a moment for a quick evaluation. SUM gives its index back whatever ends it, so the
// copy of the variables never needs to be written back.
class EvaluationRunner : public QObject {
    Q_OBJECT
  public:
    // Nesting is bounded by the parser, not by this stack; it only has to hold that many levels
    // even in a debugging build.
    static constexpr unsigned kWorkerStackBytes = 64u << 20;

    explicit EvaluationRunner(QObject* parent = nullptr, unsigned workerStackBytes = kWorkerStackBytes);
    // Cancels and waits, reporting nothing: the worker never outlives what it reads.
    ~EvaluationRunner() override;
    EvaluationRunner(const EvaluationRunner&) = delete;
    EvaluationRunner& operator=(const EvaluationRunner&) = delete;

    // Starts an evaluation; false, with nothing started, while one runs. Where no thread can be
    // started the evaluation runs here and now, and its end is reported all the same.
    bool start(std::string text, const ExpressionVariables& variables, AngleMeasure angle, Messages messages);
    bool running() const { return job_ != nullptr; }

    // Waits up to `ms` for the running evaluation. True when none runs any more; its `finished`
    // has then been emitted.
    bool waitFor(int ms);
    // Asks the evaluation to stop at its next poll, a fraction of a millisecond of work away;
    // `finished` follows from the event loop.
    void cancel();
    // Cancels and waits for the worker; a running evaluation's `finished` has been emitted on
    // return.
    void stop();

  signals:
    // `text` is the text evaluated, for whoever records what was asked beside the answer.
    void finished(const orv::Evaluation& evaluation, const std::string& text);

  private:
    struct Job;
    void run(Job& job);
    void deliver(std::uint64_t serial);

    unsigned workerStackBytes_;
    std::uint64_t serial_ = 0;
    std::unique_ptr<Job> job_;
};

} // namespace orv
