// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace orv {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop. The signal handler only
// writes a byte into a socket pair; the notifier reads it and runs `onSignal` as ordinary Qt
// code, since nothing but async-signal-safe calls may run inside the handler itself. The handler
// never blocks: signals that pile up before the loop reads them count as one, reported once
// with the first signal's number. Once this is gone the signals are ignored.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool installed() const { return notifier_ != nullptr; }

  private:
    void readSignal();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace orv
