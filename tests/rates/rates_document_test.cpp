// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "number_text.h"
#include "rates_document.h"

#include <QFile>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace orv {
namespace {

const QDate kToday(2026, 12, 8);

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(ORV_RATES_FIXTURES "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray ecb(const char* date, const char* cubes) {
    return QByteArray("<?xml version='1.0' encoding='UTF-8'?>"
                      "<gesmes:Envelope xmlns:gesmes='http://www.gesmes.org/xml/2002-08-01' "
                      "xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'><Cube><Cube time='") +
           date + "'>" + cubes + "</Cube></Cube></gesmes:Envelope>";
}

QByteArray cbr(const char* date, const char* nominal, const char* value) {
    return QByteArray("<ValCurs Date='") + date + "' name='Foreign Currency Market'><Valute ID='R01235'>"
           "<CharCode>USD</CharCode><Nominal>" + nominal + "</Nominal><Value>" + value + "</Value></Valute></ValCurs>";
}

std::string shown(Extended x) {
    return generalText(x, dotSeparators());
}

TEST(RatesDocumentTest, ReadsBothBanksFixtures) {
    const DocumentReading ecbRates = readRatesDocument(fixture("ecb-2026-12-04.xml"), kToday);
    ASSERT_TRUE(ecbRates.table);
    EXPECT_EQ(ecbRates.table->source, RateSource::EuropeanCentralBank);
    EXPECT_EQ(ecbRates.table->isoDate(), "2026-12-04");
    EXPECT_EQ(ecbRates.table->rates.size(), 30u);
    EXPECT_EQ(ecbRates.table->rates.front().code, "EUR");
    ASSERT_TRUE(ecbRates.table->find("JPY"));
    EXPECT_EQ(ecbRates.table->find("JPY")->amountText, "162.43");

    // The Bank of Russia's document comes in windows-1251 with decimal commas and nominals.
    const DocumentReading cbrRates = readRatesDocument(fixture("cbr-2026-12-05.xml"), kToday);
    ASSERT_TRUE(cbrRates.table);
    EXPECT_EQ(cbrRates.table->source, RateSource::BankOfRussia);
    EXPECT_EQ(cbrRates.table->isoDate(), "2026-12-05");
    EXPECT_EQ(cbrRates.table->rates.front().code, "RUB");
    const CurrencyRate* yen = cbrRates.table->find("JPY");
    ASSERT_TRUE(yen);
    EXPECT_EQ(yen->baseAmountText, "61.5789");
    EXPECT_EQ(shown(yen->amount), "100");
}

// Converting with the fixtures' rates, worked by hand: 100 USD in euros is 100 / 1.0812 by the
// ECB, and 100 * 92.51 / 100.0216 by the Bank of Russia; 1 GBP in yen is 162.43 / 0.85365 by the
// one, 117.4412 / (61.5789 / 100) by the other.
TEST(RatesDocumentTest, ConvertsThroughTheBaseCurrencyAndBack) {
    const Messages& messages = messagesFor(Language::English);
    struct Row {
        const char* file;
        const char* expected;
        const char* poundInYen;
    };
    for (const Row& row : {Row{"ecb-2026-12-04.xml", "92.4898261191269", "190.277045627599"},
                           Row{"cbr-2026-12-05.xml", "92.4900221552145", "190.716625337575"}}) {
        const RateTable table = *readRatesDocument(fixture(row.file), kToday).table;
        const int usd = table.indexOf("USD"), eur = table.indexOf("EUR");
        const ConversionResult there = convertCurrency(100, table, usd, eur, messages, dotSeparators());
        EXPECT_EQ(there.entryText, row.expected) << row.file;
        const ConversionResult back = convertCurrency(there.value, table, eur, usd, messages, dotSeparators());
        EXPECT_EQ(back.entryText, "100") << row.file;
        // Two currencies neither of which is the base.
        const ConversionResult cross = convertCurrency(1, table, table.indexOf("GBP"), table.indexOf("JPY"), messages,
                                                       dotSeparators());
        EXPECT_EQ(cross.entryText, row.poundInYen) << row.file;
    }
}

TEST(RatesDocumentTest, RefusesWhatIsNoGoodDocument) {
    struct Row {
        const char* name;
        QByteArray document;
        RatesProblem problem;
    };
    const Row rows[] = {
        {"empty", "", RatesProblem::NotADocument},
        {"html page", "<html><body>Service unavailable</body></html>", RatesProblem::NotADocument},
        {"cut off", ecb("2026-12-04", "<Cube currency='USD' rate='1.08'/>").left(200), RatesProblem::NotADocument},
        {"no currencies", ecb("2026-12-04", ""), RatesProblem::NotADocument},
        {"bad date", ecb("2026-13-04", "<Cube currency='USD' rate='1.08'/>"), RatesProblem::NotADocument},
        {"code not letters", ecb("2026-12-04", "<Cube currency='U$D' rate='1.08'/>"), RatesProblem::NotADocument},
        {"negative rate", ecb("2026-12-04", "<Cube currency='USD' rate='-1.08'/>"), RatesProblem::BadRate},
        {"zero rate", ecb("2026-12-04", "<Cube currency='USD' rate='0.0000'/>"), RatesProblem::BadRate},
        {"exponent", ecb("2026-12-04", "<Cube currency='USD' rate='1e3'/>"), RatesProblem::BadRate},
        {"no rate", ecb("2026-12-04", "<Cube currency='USD'/>"), RatesProblem::BadRate},
        {"not a number", ecb("2026-12-04", "<Cube currency='USD' rate='NaN'/>"), RatesProblem::BadRate},
        {"future", ecb("2026-12-10", "<Cube currency='USD' rate='1.08'/>"), RatesProblem::FutureDate},
        {"ruble zero nominal", cbr("05.12.2026", "0", "92,51"), RatesProblem::BadRate},
        {"ruble two commas", cbr("05.12.2026", "1", "92,51,0"), RatesProblem::BadRate},
        {"ruble future", cbr("05.01.2027", "1", "92,51"), RatesProblem::FutureDate},
        {"ruble no date", cbr("", "1", "92,51"), RatesProblem::NotADocument},
        {"too large", QByteArray(kMaxDocumentSize + 1, ' '), RatesProblem::TooLarge},
    };
    for (const Row& row : rows) {
        const DocumentReading reading = readRatesDocument(row.document, kToday);
        EXPECT_FALSE(reading.table) << row.name;
        EXPECT_EQ(reading.failure.problem, row.problem) << row.name;
    }
    // Tomorrow is not the future: the Bank of Russia dates its rates for the next day.
    EXPECT_TRUE(readRatesDocument(cbr("09.12.2026", "1", "92,51"), kToday).table);
}

TEST(RatesDocumentTest, AHistoryDocumentGivesItsNewestDay) {
    const QByteArray history = ecb("2026-12-04", "<Cube currency='USD' rate='1.0812'/>")
                                   .replace("</Cube></Cube>", "</Cube><Cube time='2026-12-03'><Cube currency='USD' "
                                                              "rate='1.0700'/></Cube></Cube>");
    const DocumentReading reading = readRatesDocument(history, kToday);
    ASSERT_TRUE(reading.table);
    EXPECT_EQ(reading.table->isoDate(), "2026-12-04");
    EXPECT_EQ(reading.table->find("USD")->amountText, "1.0812");
}

TEST(RatesDocumentTest, NextPublicationSkipsWeekends) {
    struct Row {
        RateSource source;
        QDate date;
        QDateTime next;
    };
    const auto utc = [](int day, int hour) { return QDateTime(QDate(2026, 12, day), QTime(hour, 0), QTimeZone::utc()); };
    const Row rows[] = {
        {RateSource::EuropeanCentralBank, QDate(2026, 12, 2), utc(3, 16)}, // Wednesday: Thursday
        {RateSource::EuropeanCentralBank, QDate(2026, 12, 4), utc(7, 16)}, // Friday: Monday
        {RateSource::BankOfRussia, QDate(2026, 12, 8), utc(8, 13)},        // Tuesday's: set on Tuesday
        {RateSource::BankOfRussia, QDate(2026, 12, 5), utc(7, 13)},        // Saturday's last to Monday
    };
    for (const Row& row : rows) {
        RateTable table;
        table.source = row.source;
        table.year = row.date.year();
        table.month = row.date.month();
        table.day = row.date.day();
        EXPECT_EQ(nextPublication(table), row.next) << row.date.toString(Qt::ISODate).toStdString();
    }
    RateTable week;
    week.year = 2026, week.month = 12, week.day = 1;
    EXPECT_FALSE(ratesAreOld(week, QDate(2026, 12, 8)));
    EXPECT_TRUE(ratesAreOld(week, QDate(2026, 12, 9)));
}

} // namespace
} // namespace orv
