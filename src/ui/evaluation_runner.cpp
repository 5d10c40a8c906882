// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "background_evaluation.h"

#include <QEventLoop>
#include <QThread>

namespace orv {
namespace {

// Nesting is bounded by the parser, not by this stack; it only has to hold that many levels even
// in a debugging build.
constexpr uint kWorkerStackBytes = 64u << 20;

// An evaluation that ends within this time is taken without serving any event.
constexpr int kQuickWaitMs = 40;

} // namespace

BackgroundEvaluation::BackgroundEvaluation(std::string text, const ExpressionVariables& variables,
                                           AngleMeasure angle, Messages messages)
    : text_(std::move(text)), variables_(variables), messages_(std::move(messages)) {
    settings_.angle = angle;
    settings_.messages = &messages_;
    settings_.cancel = [this](std::uint64_t) { return cancelRequested_.load(std::memory_order_relaxed); };
    // Made here, on the calling thread, before the worker can post its end to it.
    ended_ = std::make_unique<QEventLoop>();
    thread_.reset(QThread::create([this] { run(); }));
    thread_->setStackSize(kWorkerStackBytes);
    thread_->start();
}

BackgroundEvaluation::~BackgroundEvaluation() {
    cancel();
    thread_->wait();
}

void BackgroundEvaluation::run() {
    result_ = EvaluateExpression(text_, variables_, settings_);
    // Posted, so it waits for the loop below if that has not started yet.
    QMetaObject::invokeMethod(ended_.get(), &QEventLoop::quit, Qt::QueuedConnection);
}

Evaluation BackgroundEvaluation::finish() {
    if (!thread_->wait(QDeadlineTimer(kQuickWaitMs))) {
        ended_->exec();
        // Back here early only when the application quits: a termination signal must not wait.
        cancel();
        thread_->wait();
    }
    return std::move(result_);
}

} // namespace orv
