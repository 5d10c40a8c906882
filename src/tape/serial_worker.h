// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace orv {

// One thread that runs the jobs given to it one after another, in the order given: file work
// that must keep its order but must never hold up the window. The thread starts with the first
// job, so a program that gives none pays nothing.
class SerialWorker {
  public:
    SerialWorker() = default;
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;
    // Runs what was given before it ends.
    ~SerialWorker();

    void post(std::function<void()> job);
    // Returns once every job given so far has run.
    void drain();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace orv
