// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "currency_rates.h"

#include "rates_store.h"

namespace orv {
namespace {

// A bank that has not published on time (a holiday) is not asked again every time the group is
// shown.
constexpr qint64 kAutomaticRetrySeconds = 30 * 60;

} // namespace

CurrencyRates::CurrencyRates(QObject* parent)
    : QObject(parent), now_([] { return QDateTime::currentDateTimeUtc(); }) {
    connect(&fetcher_, &RatesFetcher::fetched, this, &CurrencyRates::onFetched);
}

void CurrencyRates::loadKept() {
    if (loaded_) return;
    loaded_ = true;
    DocumentReading kept = readKeptRates(now_().date());
    table_ = std::move(kept.table);
    failure_ = kept.failure;
    emit changed();
}

bool CurrencyRates::ratesOld() const {
    return table_ && ratesAreOld(*table_, now_().date());
}

void CurrencyRates::update() {
    loadKept();
    if (fetching()) return;
    fetcher_.fetch(ratesAddress(source_));
    emit changed();
}

bool CurrencyRates::isDue() const {
    if (!table_) return true;
    // Another bank's rates are replaced by the chosen one's; a mirror may serve either.
    if (table_->source != source_ && !ratesAddressOverridden()) return true;
    return now_() >= nextPublication(*table_);
}

void CurrencyRates::updateIfDue() {
    loadKept();
    if (!automatic_ || fetching() || !isDue()) return;
    const QDateTime now = now_();
    if (lastAutomaticTry_.isValid() && lastAutomaticTry_.secsTo(now) < kAutomaticRetrySeconds) return;
    lastAutomaticTry_ = now;
    update();
}

void CurrencyRates::onFetched(const QByteArray& document, const RatesFailure& failure) {
    RatesFailure outcome = failure;
    if (outcome.problem == RatesProblem::None) {
        DocumentReading reading = readRatesDocument(document, now_().date());
        if (reading.table) {
            // Kept rates that cannot be written still convert in this run, and say so.
            QString why;
            keepFailure_ = keepRatesDocument(document, &why) ? QString() : keptRatesFile() + QStringLiteral(": ") + why;
            table_ = std::move(reading.table);
        } else {
            outcome = reading.failure;
        }
    }
    failure_ = outcome;
    emit updated(outcome);
    emit changed();
}

} // namespace orv
