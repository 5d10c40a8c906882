// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <csignal>

#include <sys/resource.h>

namespace orv {

// Lowers the file-size limit of the whole process for as long as it lives. SIGXFSZ is ignored
// meanwhile, so that a write past the limit fails with EFBIG instead of killing the tests.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &previousAction_);
        lowered_ = ::getrlimit(RLIMIT_FSIZE, &previous_) == 0 && bytes <= previous_.rlim_max;
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        lowered_ = lowered_ && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (lowered_) ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::sigaction(SIGXFSZ, &previousAction_, nullptr);
    }
    bool lowered() const { return lowered_; }

  private:
    rlimit previous_{};
    struct sigaction previousAction_ {};
    bool lowered_ = false;
};

} // namespace orv
