// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "rates_document.h"

#include "number_text.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <QXmlStreamReader>

namespace orv {
namespace {

DocumentReading failure(RatesProblem problem, QString detail = {}) {
    return {std::nullopt, {problem, std::move(detail)}};
}

// A plain decimal as the banks write it: digits with at most one point (the Bank of Russia's
// comma already made a point). No sign, no exponent, nothing around it.
std::optional<Extended> positiveDecimal(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,20}(\\.[0-9]{1,20})?$"));
    if (!decimal.match(text).hasMatch()) return std::nullopt;
    const auto value = parseNumber(text.toStdString(), dotSeparators());
    if (!value || !(*value > 0)) return std::nullopt;
    return value;
}

bool isCurrencyCode(const QString& code) {
    static const QRegularExpression letters(QStringLiteral("^[A-Z]{3}$"));
    return letters.match(code).hasMatch();
}

void setDate(RateTable& table, QDate date) {
    table.year = date.year();
    table.month = date.month();
    table.day = date.day();
}

// <gesmes:Envelope ...><Cube><Cube time="2026-12-05"><Cube currency="USD" rate="1.0812"/>...
DocumentReading readEcb(QXmlStreamReader& xml) {
    RateTable table;
    table.source = RateSource::EuropeanCentralBank;
    table.rates.push_back({"EUR", "1", "1", 1, 1});
    QDate date;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("Cube")) continue;
        const auto attributes = xml.attributes();
        if (attributes.hasAttribute(QLatin1String("time"))) {
            if (date.isValid()) break; // a history document: the first day is the newest
            date = QDate::fromString(attributes.value(QLatin1String("time")).toString(), Qt::ISODate);
            if (!date.isValid()) return failure(RatesProblem::NotADocument, QStringLiteral("date"));
        } else if (attributes.hasAttribute(QLatin1String("currency"))) {
            if (!date.isValid()) return failure(RatesProblem::NotADocument);
            const QString code = attributes.value(QLatin1String("currency")).toString();
            const QString rateText = attributes.value(QLatin1String("rate")).toString();
            const auto rate = positiveDecimal(rateText);
            if (!isCurrencyCode(code)) return failure(RatesProblem::NotADocument, code);
            if (!rate) return failure(RatesProblem::BadRate, code + QLatin1Char(' ') + rateText);
            if (table.indexOf(code.toStdString()) < 0)
                table.rates.push_back({code.toStdString(), "1", rateText.toStdString(), 1, *rate});
        }
    }
    if (xml.hasError()) return failure(RatesProblem::NotADocument, xml.errorString());
    if (!date.isValid() || table.rates.size() < 2) return failure(RatesProblem::NotADocument);
    setDate(table, date);
    return {table, {}};
}

// <ValCurs Date="05.12.2026" ...><Valute><CharCode>USD</CharCode><Nominal>1</Nominal>
// <Value>92,5100</Value>...</Valute>...
DocumentReading readCbr(QXmlStreamReader& xml) {
    RateTable table;
    table.source = RateSource::BankOfRussia;
    table.rates.push_back({"RUB", "1", "1", 1, 1});
    const QDate date = QDate::fromString(xml.attributes().value(QLatin1String("Date")).toString(),
                                         QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid()) return failure(RatesProblem::NotADocument, QStringLiteral("Date"));
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Valute")) {
            xml.skipCurrentElement();
            continue;
        }
        QString code, nominalText, valueText;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("CharCode")) code = xml.readElementText().trimmed();
            else if (xml.name() == QLatin1String("Nominal")) nominalText = xml.readElementText().trimmed();
            else if (xml.name() == QLatin1String("Value")) valueText = xml.readElementText().trimmed();
            else xml.skipCurrentElement();
        }
        if (xml.hasError()) break;
        if (!isCurrencyCode(code)) return failure(RatesProblem::NotADocument, code);
        valueText.replace(QLatin1Char(','), QLatin1Char('.'));
        const auto nominal = positiveDecimal(nominalText);
        const auto value = positiveDecimal(valueText);
        if (!nominal) return failure(RatesProblem::BadRate, code + QLatin1Char(' ') + nominalText);
        if (!value) return failure(RatesProblem::BadRate, code + QLatin1Char(' ') + valueText);
        if (table.indexOf(code.toStdString()) < 0)
            table.rates.push_back({code.toStdString(), valueText.toStdString(), nominalText.toStdString(), *value, *nominal});
    }
    if (xml.hasError()) return failure(RatesProblem::NotADocument, xml.errorString());
    if (table.rates.size() < 2) return failure(RatesProblem::NotADocument);
    setDate(table, date);
    return {table, {}};
}

QDate dateOf(const RateTable& table) {
    return QDate(table.year, table.month, table.day);
}

bool isWorkingDay(QDate date) {
    return date.dayOfWeek() <= 5;
}

} // namespace

DocumentReading readRatesDocument(const QByteArray& document, QDate todayUtc) {
    if (document.size() > kMaxDocumentSize) return failure(RatesProblem::TooLarge);
    QXmlStreamReader xml(document);
    if (!xml.readNextStartElement()) return failure(RatesProblem::NotADocument, xml.errorString());
    DocumentReading reading;
    if (xml.name() == QLatin1String("Envelope")) reading = readEcb(xml);
    else if (xml.name() == QLatin1String("ValCurs")) reading = readCbr(xml);
    else return failure(RatesProblem::NotADocument, xml.name().toString());
    if (!reading.table) return reading;
    // The rest of the document must be well formed too: a cut-off answer is no document.
    while (!xml.atEnd()) xml.readNext();
    if (xml.hasError()) return failure(RatesProblem::NotADocument, xml.errorString());
    const QDate date = dateOf(*reading.table);
    if (date > todayUtc.addDays(1)) return failure(RatesProblem::FutureDate, date.toString(Qt::ISODate));
    return reading;
}

QDateTime nextPublication(const RateTable& table) {
    const QDate date = dateOf(table);
    if (table.source == RateSource::BankOfRussia) {
        QDate day = date;
        while (!isWorkingDay(day)) day = day.addDays(1);
        return QDateTime(day, QTime(13, 0), QTimeZone::utc());
    }
    QDate day = date.addDays(1);
    while (!isWorkingDay(day)) day = day.addDays(1);
    return QDateTime(day, QTime(16, 0), QTimeZone::utc());
}

bool ratesAreOld(const RateTable& table, QDate todayUtc) {
    return dateOf(table).daysTo(todayUtc) > 7;
}

} // namespace orv
