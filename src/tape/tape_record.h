// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "tape.h"

#include <string>
#include <string_view>

namespace orv {

// A line of the tape's file: the text as shown, then, for a step with a result, a tab and the
// result in the shortest digits that read back as the same number (C notation, "." whatever the
// display uses), so that it survives a change of separators and any reader of tab-separated text
// can take it.
std::string tapeRecord(const TapeStep& step);

// The line a record of the file holds, as a written line. A record without a readable result
// column (a failed step, a note, a line written by hand) is all text and has no result.
TapeStep parseTapeRecord(std::string_view record);

// What the text of a line may not hold: line breaks and tabs become blanks, so that a step is
// always one line and its result column stays the last.
std::string tapeLineText(std::string text);

} // namespace orv
