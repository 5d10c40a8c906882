// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orv {
namespace {

int signalPipe[2] = {-1, -1};
constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signal) {
    // The interrupted code may be about to read errno.
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // write() is async-signal-safe and, on the non-blocking end, never waits: when a storm of
    // signals has filled the pair before the event loop could read it, the repeat is lost, and
    // the bytes already waiting bring the termination about anyway.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &number, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> onSignalHandler, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignalHandler)) {
    // Both ends non-blocking: the handler must never wait, and readSignal() drains what is there.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
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
    // The program is ending when this goes, and what is left of it (the settings' last write)
    // must not be cut short: a late signal is ignored, not fatal again, from here to the exit.
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
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
    // Everything waiting stands for one request to end: the first signal is reported, the
    // repeats behind it are dropped, so a storm does not run the shutdown again and again.
    // Bounded, so that signals still arriving cannot keep it here; the notifier fires again
    // for whatever is left.
    std::array<unsigned char, 256> numbers{};
    int first = 0;
    for (int round = 0; round < 64; ++round) {
        const ssize_t count = ::read(signalPipe[1], numbers.data(), numbers.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break; // drained (EAGAIN), or the pair is gone
        if (first == 0) first = numbers[0];
    }
    if (first != 0) onSignal_(first);
}

} // namespace orv
