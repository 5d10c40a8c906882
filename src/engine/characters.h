// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

// An ASCII decimal digit. Not std::isdigit: that one depends on the C locale and takes an int.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace orv
