// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "tape_file.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

// The file a replacement put in place, kept open: while it is open its inode number is given to
// no other file, so it can be told apart from one another copy renames over it later.
struct WrittenFile {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::shared_ptr<void> held;
};

// The one way a whole file is written, for the tape's file and for Save as alike: the bytes go to
// a new file beside it, synced and renamed over it, so a crash leaves the old file or the new one,
// never a piece. A link stays a link: the file it names is replaced. The new file keeps the old
// one's permissions; a file new at that path gets those the user's umask gives. The folder must
// exist. On failure nothing at the path has changed, and the error says why.
TapeFileError replaceFileAtomically(const std::string& path, std::string_view bytes, WrittenFile* written = nullptr);

} // namespace orv
