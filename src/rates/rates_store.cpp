// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "rates_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QSaveFile>
#include <QStandardPaths>

namespace orv {

QUrl ratesAddress(RateSource source) {
    const QByteArray overridden = qgetenv("ORVANTIS_RATES_URL");
    if (!overridden.isEmpty()) return QUrl(QString::fromUtf8(overridden));
    if (source == RateSource::BankOfRussia) return QUrl(QStringLiteral("https://www.cbr.ru/scripts/XML_daily.asp"));
    return QUrl(QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"));
}

bool ratesAddressOverridden() {
    return !qgetenv("ORVANTIS_RATES_URL").isEmpty();
}

bool isAllowedRatesAddress(const QUrl& address) {
    if (!address.isValid() || address.host().isEmpty()) return false;
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("https")) return true;
    if (scheme != QLatin1String("http")) return false;
    const QString host = address.host().toLower();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

QString keptRatesFile() {
    // The generic cache folder, so the command line (which has no application name set) and the
    // window share one file.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(cache).filePath(QStringLiteral("Orvantis/exchange-rates.xml"));
}

DocumentReading readKeptRates(QDate todayUtc) {
    QFile file(keptRatesFile());
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, {RatesProblem::NothingKept, {}}};
    const QByteArray document = file.read(kMaxDocumentSize + 1);
    DocumentReading reading = readRatesDocument(document, todayUtc);
    if (!reading.table) reading.failure = {RatesProblem::NothingKept, {}}; // damaged: as if never fetched
    return reading;
}

bool keepRatesDocument(const QByteArray& document, QString* error) {
    const QString path = keptRatesFile();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error) *error = QFileInfo(path).absolutePath();
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace orv
