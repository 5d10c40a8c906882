// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "currency.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace orv {

// Why there are no new rates. Each has a text in both languages (rates_texts.h).
enum class RatesProblem {
    None,
    NotADocument,    // not a rate document of either bank
    BadRate,         // a rate that is not a positive decimal
    FutureDate,      // dated later than tomorrow
    Unreachable,     // no connection, refused, certificate refused...
    TimedOut,        // no complete answer within the time allowed
    HttpError,       // an HTTP status other than success
    RedirectOffHost, // sent on to another host or to plain HTTP
    TooLarge,        // more than kMaxDocumentSize
    InsecureAddress, // not HTTPS and not a loopback address
    NothingKept,     // never fetched, or the kept document cannot be read
};

struct RatesFailure {
    RatesProblem problem = RatesProblem::None;
    QString detail; // the server's status, the network's own words, the bad rate...
};

inline constexpr qint64 kMaxDocumentSize = 1024 * 1024;

struct DocumentReading {
    std::optional<RateTable> table;
    RatesFailure failure; // when there is no table
};

// Reads either bank's daily document, recognised by its content. Every rate must be a plain
// positive decimal, and the date no later than the day after `todayUtc` (time zones).
DocumentReading readRatesDocument(const QByteArray& document, QDate todayUtc);

// When the bank publishes the rates that replace `table`'s: the European Central Bank on the
// next working day after their date, about 16:00 CET; the Bank of Russia on the working day
// their date falls on or follows, about 15:30 Moscow time, for the next day. Kept rates are
// due for an update from then on. Holidays are not known: a fetch then brings the same rates.
QDateTime nextPublication(const RateTable& table);

// Older than a week: the window shows their date in orange.
bool ratesAreOld(const RateTable& table, QDate todayUtc);

} // namespace orv
