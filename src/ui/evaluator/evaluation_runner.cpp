// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "evaluation_runner.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>

namespace orv {

struct EvaluationRunner::Job {
    std::uint64_t serial = 0;
    std::string text;
    ExpressionVariables variables{};
    Messages messages;
    EvaluationSettings settings;
    Evaluation result;
    std::atomic<bool> cancelRequested{false};
    std::unique_ptr<QThread> thread; // null when the evaluation ran on the starting thread
};

EvaluationRunner::EvaluationRunner(QObject* parent, unsigned workerStackBytes)
    : QObject(parent), workerStackBytes_(workerStackBytes) {}

EvaluationRunner::~EvaluationRunner() {
    if (!job_) return;
    job_->cancelRequested.store(true, std::memory_order_relaxed);
    if (job_->thread) job_->thread->wait();
}

bool EvaluationRunner::start(std::string text, const ExpressionVariables& variables, AngleMeasure angle,
                             Messages messages) {
    if (job_) return false;
    auto job = std::make_unique<Job>();
    job->serial = ++serial_;
    job->text = std::move(text);
    job->variables = variables;
    job->messages = std::move(messages);
    job->settings.angle = angle;
    job->settings.messages = &job->messages;
    job->settings.cancel = [flag = &job->cancelRequested](std::uint64_t) {
        return flag->load(std::memory_order_relaxed);
    };
    Job& running = *job;
    job_ = std::move(job);

    running.thread.reset(QThread::create([this, &running] { run(running); }));
    running.thread->setStackSize(workerStackBytes_);
    running.thread->start();
    // A thread that could not be made is neither running nor finished. The evaluation is not
    // dropped then: it runs here, and the window waits for it as for any long one.
    if (!running.thread->isRunning() && !running.thread->isFinished()) {
        running.thread.reset();
        run(running);
    }
    return true;
}

void EvaluationRunner::run(Job& job) {
    job.result = EvaluateExpression(job.text, job.variables, job.settings);
    // Posted to the runner's thread; a runner destroyed first takes the posting with it.
    QMetaObject::invokeMethod(
        this, [this, serial = job.serial] { deliver(serial); }, Qt::QueuedConnection);
}

bool EvaluationRunner::waitFor(int ms) {
    if (!job_) return true;
    if (job_->thread && !job_->thread->wait(QDeadlineTimer(ms))) return false;
    deliver(job_->serial);
    return true;
}

void EvaluationRunner::cancel() {
    if (job_) job_->cancelRequested.store(true, std::memory_order_relaxed);
}

void EvaluationRunner::stop() {
    if (!job_) return;
    cancel();
    if (job_->thread) job_->thread->wait();
    deliver(job_->serial);
}

void EvaluationRunner::deliver(std::uint64_t serial) {
    // A posting whose evaluation was already taken by waitFor finds another job, or none.
    if (!job_ || job_->serial != serial) return;
    if (job_->thread) job_->thread->wait();
    const std::unique_ptr<Job> done = std::move(job_);
    emit finished(done->result, done->text);
}

} // namespace orv
