// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "rates_document.h"
#include "rates_fetcher.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

namespace orv {

// The rates the currency group converts with: the kept ones, read when first needed, replaced
// by each good fetch; and why the last fetch brought none, if it did not.
class CurrencyRates : public QObject {
    Q_OBJECT
  public:
    explicit CurrencyRates(QObject* parent = nullptr);

    void setSource(RateSource source) { source_ = source; }
    RateSource source() const { return source_; }
    void setAutomatic(bool automatic) { automatic_ = automatic; }
    bool automatic() const { return automatic_; }
    // Tests set the clock and the time limit.
    void setClock(std::function<QDateTime()> nowUtc) { now_ = std::move(nowUtc); }
    RatesFetcher& fetcher() { return fetcher_; }

    // Reads the kept document the first time; later calls do nothing.
    void loadKept();
    const RateTable* table() const { return table_ ? &*table_ : nullptr; }
    // Why the last fetch (or, before any, the kept file) gave no rates; None after a good one.
    const RatesFailure& failure() const { return failure_; }
    // Why the last rates fetched could not be kept for later runs (empty when they were).
    const QString& keepFailure() const { return keepFailure_; }
    bool fetching() const { return fetcher_.busy(); }
    bool ratesOld() const;

    // The update command: fetches now.
    void update();
    // The currency group was shown: fetches when automatic updates are on and the kept rates
    // are due to be replaced (or are another bank's), at most once in a while.
    void updateIfDue();
    bool isDue() const;

  signals:
    // The rates, the failure or the fetching state changed.
    void changed();
    // A fetch ended: `failure.problem` is None when it brought rates.
    void updated(const orv::RatesFailure& failure);

  private:
    void onFetched(const QByteArray& document, const RatesFailure& failure);

    RateSource source_ = RateSource::EuropeanCentralBank;
    bool automatic_ = true;
    bool loaded_ = false;
    std::optional<RateTable> table_;
    RatesFailure failure_;
    QString keepFailure_;
    QDateTime lastAutomaticTry_;
    std::function<QDateTime()> now_;
    RatesFetcher fetcher_;
};

} // namespace orv
