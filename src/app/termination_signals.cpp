// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orv {
namespace {

int signalPipe[2] = {-1, -1};
constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signal) {
    const unsigned char number = static_cast<unsigned char>(signal);
    // write() is async-signal-safe; a full pipe only loses a repeated signal.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &number, 1);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> onSignalHandler, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignalHandler)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
    delete notifier_;
    for (int& fd : signalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::readSignal() {
    unsigned char number = 0;
    if (::read(signalPipe[1], &number, 1) != 1) return;
    onSignal_(number);
}

} // namespace orv
