// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <cerrno>
#include <string_view>
#include <utility>

#include <unistd.h>

namespace orv {

template <typename Call>
auto retryOnInterrupt(Call call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) return result;
    }
}

// A file descriptor closed when it goes.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    ~Descriptor() { reset(); }
    // No retry of close on EINTR: on Linux the descriptor is gone either way.
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int get() const { return fd_; }

  private:
    int fd_ = -1;
};

// Writes all of `bytes`; returns 0 or the errno of the write that failed. A write that stops short
// is followed by one for the rest, which either completes it or says why it cannot.
int writeAll(int fd, std::string_view bytes);

} // namespace orv
