// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "rates_document.h"

#include <QString>

namespace orv {

// "the bank cannot be reached (Connection refused)": why there are no new rates.
QString ratesProblemText(const RatesFailure& failure, Language language);

// "Rates of 5 Dec 2026, European Central Bank".
QString ratesLine(const RateTable& table, Language language);

// "No rates yet: the bank cannot be reached (...)".
QString noRatesLine(const RatesFailure& failure, Language language);

// While a fetch runs, and when a manual update fails with rates kept.
QString updatingLine(Language language);
QString updateFailedText(const RatesFailure& failure, Language language);
// Fetched, but not kept for later runs: `detail` names the file and why.
QString notKeptText(const QString& detail, Language language);

// The error hint of a conversion without rates.
QString noRatesHint(Language language);

// The update command's caption and hint.
QString updateRatesCaption(Language language);

} // namespace orv
