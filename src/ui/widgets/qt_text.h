// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QString>

#include <string_view>

namespace orv {

// The engine's UTF-8 text as a QString (a string_view need not end in a zero).
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace orv
