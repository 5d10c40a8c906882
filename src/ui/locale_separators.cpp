// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "locale_separators.h"

namespace orv {

Separators separatorsFromLocale(const QLocale& locale) {
    Separators s;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!decimal.isEmpty()) s.decimal = decimal.toStdString();
    // A locale without grouping still needs a character distinct from the decimal point.
    s.thousands = group.isEmpty() || group == decimal ? std::string(" ") : group.toStdString();
    return s;
}

} // namespace orv
