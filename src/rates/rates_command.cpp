// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "rates_command.h"

#include "currency_rates.h"
#include "rates_store.h"
#include "rates_texts.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <memory>
#include <ostream>

namespace orv {

cli::KeptCurrencyRates CommandLineRates::kept() {
    const QDate today = QDateTime::currentDateTimeUtc().date();
    DocumentReading reading = readKeptRates(today);
    cli::KeptCurrencyRates kept;
    if (!reading.table) {
        kept.why = ratesProblemText(reading.failure, Language::English).toStdString();
        return kept;
    }
    kept.old = ratesAreOld(*reading.table, today);
    kept.table = std::move(reading.table);
    return kept;
}

int CommandLineRates::update(std::ostream& out, std::ostream& err) {
    // The network needs an event loop, and so an application object: the command line runs
    // before any exists.
    std::unique_ptr<QCoreApplication> application;
    static int argc = 1;
    static char name[] = "orvantis";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) application = std::make_unique<QCoreApplication>(argc, argv);

    CurrencyRates rates;
    rates.setSource(chosenSource_());
    QEventLoop loop;
    RatesFailure outcome;
    QObject::connect(&rates, &CurrencyRates::updated, &loop, [&](const RatesFailure& failure) {
        outcome = failure;
        loop.quit();
    });
    rates.update();
    loop.exec();
    if (outcome.problem != RatesProblem::None || !rates.table()) {
        err << "orvantis: " << updateFailedText(outcome, Language::English).toStdString() << '\n';
        return 1;
    }
    if (!rates.keepFailure().isEmpty()) {
        err << "orvantis: " << notKeptText(rates.keepFailure(), Language::English).toStdString() << '\n';
        return 1;
    }
    const RateTable& table = *rates.table();
    out << table.isoDate() << ' ' << sourceName(table.source, Language::English) << " (" << table.rates.size()
        << " currencies)\n";
    return 0;
}

} // namespace orv
