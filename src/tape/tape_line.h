// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "tape.h"

#include <optional>
#include <string>

namespace orv {

// The text of a step's line, as the window shows it, Copy gives it and the file keeps it: the
// step's form written out, with line breaks and tabs made blanks so that a step is always one
// line and its result column in the file stays the last. A written line is its text as read.
std::string tapeLine(const TapeStep& step);

// What the line gives back: the step's result, unless it failed; a note has none.
std::optional<Extended> tapeResult(const TapeStep& step);

// A line known only as its text and result, as read back from the file.
TapeStep writtenTapeLine(std::string text, std::optional<Extended> result);

} // namespace orv
