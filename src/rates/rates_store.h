// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "rates_document.h"

#include <QUrl>

namespace orv {

// The bank's daily document, or ORVANTIS_RATES_URL when set (tests, local mirrors).
QUrl ratesAddress(RateSource source);
bool ratesAddressOverridden();

// HTTPS anywhere; plain HTTP only to this computer.
bool isAllowedRatesAddress(const QUrl& address);

// The last good document, kept in the user's cache folder ($XDG_CACHE_HOME/Orvantis).
QString keptRatesFile();

DocumentReading readKeptRates(QDate todayUtc);

// Replaces the kept document at once or not at all; false and `error` when it cannot.
bool keepRatesDocument(const QByteArray& document, QString* error);

} // namespace orv
