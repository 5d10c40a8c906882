// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "separators.h"

#include <QLocale>

namespace orv {

// The decimal and thousands separators of a locale, as the engine takes them.
Separators separatorsFromLocale(const QLocale& locale);

} // namespace orv
