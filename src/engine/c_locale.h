// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <locale.h>

namespace orv {

// The "C" locale, for reading and writing numbers with '.' whatever the user's locale is. Made
// once and kept for the life of the program.
inline locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace orv
