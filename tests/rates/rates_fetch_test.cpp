// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "currency_rates.h"
#include "local_http_server.h"
#include "rates_command.h"
#include "rates_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

const QString kFixtures = QStringLiteral(ORV_RATES_FIXTURES "/");

QByteArray fixture(const char* name) {
    QFile file(kFixtures + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray keptDocument() {
    QFile file(keptRatesFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every test starts without kept rates, against its own server.
class RatesFetchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(keptRatesFile());
        ASSERT_TRUE(server.listening());
        server.serve(QStringLiteral("/ecb"), fixture("ecb-2026-12-04.xml"));
        server.serve(QStringLiteral("/cbr"), fixture("cbr-2026-12-05.xml"));
        rates.setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0), QTimeZone::utc()); });
        rates.fetcher().setTimeout(1500);
    }
    void TearDown() override { qunsetenv("ORVANTIS_RATES_URL"); }

    // Fetches from `path` and waits for the end; how long it took.
    qint64 fetch(const QString& path) {
        qputenv("ORVANTIS_RATES_URL", server.url(path).toEncoded());
        QSignalSpy done(&rates, &CurrencyRates::updated);
        QElapsedTimer clock;
        clock.start();
        rates.update();
        EXPECT_TRUE(done.wait(10000)) << path.toStdString();
        return clock.elapsed();
    }

    testing::LocalHttpServer server;
    CurrencyRates rates;
};

TEST_F(RatesFetchTest, GoodDocumentsOfEitherBankAreKept) {
    fetch(QStringLiteral("/ecb"));
    ASSERT_TRUE(rates.table());
    EXPECT_EQ(rates.table()->source, RateSource::EuropeanCentralBank);
    EXPECT_EQ(rates.failure().problem, RatesProblem::None);
    EXPECT_EQ(keptDocument(), fixture("ecb-2026-12-04.xml"));

    // Any address may serve either bank's document.
    fetch(QStringLiteral("/cbr"));
    ASSERT_TRUE(rates.table());
    EXPECT_EQ(rates.table()->source, RateSource::BankOfRussia);
    EXPECT_EQ(keptDocument(), fixture("cbr-2026-12-05.xml"));

    // A new run reads the kept rates without a fetch.
    CurrencyRates later;
    later.loadKept();
    ASSERT_TRUE(later.table());
    EXPECT_EQ(later.table()->isoDate(), "2026-12-05");
}

TEST_F(RatesFetchTest, AFailedFetchSaysWhyAndKeepsTheRates) {
    server.serve(QStringLiteral("/junk"), "<html>maintenance</html>");
    server.serve(QStringLiteral("/negative"), fixture("ecb-2026-12-04.xml").replace("rate='1.0812'", "rate='-1'"));
    server.serve(QStringLiteral("/future"), fixture("ecb-2026-12-04.xml").replace("2026-12-04", "2027-01-04"));
    server.serve(QStringLiteral("/huge"), QByteArray(2 * 1024 * 1024, ' '));
    server.serve(QStringLiteral("/gone"), "gone", 500);
    server.redirect(QStringLiteral("/away"), "https://rates.example.invalid/eurofxref-daily.xml");
    server.redirect(QStringLiteral("/other-port"), server.url(QStringLiteral("/ecb")).toEncoded().replace("127.0.0.1", "localhost"));
    fetch(QStringLiteral("/ecb"));
    ASSERT_TRUE(rates.table());

    struct Row {
        const char* path;
        RatesProblem problem;
        const char* detail;
    };
    const Row rows[] = {
        {"/junk", RatesProblem::NotADocument, ""},
        {"/negative", RatesProblem::BadRate, "USD -1"},
        {"/future", RatesProblem::FutureDate, "2027-01-04"},
        {"/huge", RatesProblem::TooLarge, ""},
        {"/missing", RatesProblem::HttpError, "404"},
        {"/gone", RatesProblem::HttpError, "500"},
        {"/away", RatesProblem::RedirectOffHost, "rates.example.invalid"},
        {"/other-port", RatesProblem::RedirectOffHost, "localhost"},
        {"/stall", RatesProblem::TimedOut, ""},
    };
    for (const Row& row : rows) {
        const qint64 took = fetch(QString::fromLatin1(row.path));
        EXPECT_EQ(rates.failure().problem, row.problem) << row.path;
        EXPECT_TRUE(rates.failure().detail.contains(QString::fromLatin1(row.detail))) << row.path;
        ASSERT_TRUE(rates.table()) << row.path;
        EXPECT_EQ(rates.table()->isoDate(), "2026-12-04") << row.path;
        EXPECT_EQ(keptDocument(), fixture("ecb-2026-12-04.xml")) << row.path;
        EXPECT_LT(took, 5000) << row.path;
    }
    EXPECT_EQ(server.requests(QStringLiteral("/ecb")), 1) << "no redirect off the host was followed";
}

TEST_F(RatesFetchTest, PlainHttpIsRefusedOffThisComputer) {
    qputenv("ORVANTIS_RATES_URL", "http://rates.example.invalid/daily.xml");
    QSignalSpy done(&rates, &CurrencyRates::updated);
    rates.update();
    ASSERT_TRUE(done.wait(2000));
    EXPECT_EQ(rates.failure().problem, RatesProblem::InsecureAddress);
    for (const char* address : {"https://www.ecb.europa.eu/x.xml", "http://127.0.0.1:8080/x", "http://[::1]/x",
                                "http://localhost/x"})
        EXPECT_TRUE(isAllowedRatesAddress(QUrl(QString::fromLatin1(address)))) << address;
    for (const char* address : {"http://www.cbr.ru/scripts/XML_daily.asp", "ftp://127.0.0.1/x", "file:///etc/passwd"})
        EXPECT_FALSE(isAllowedRatesAddress(QUrl(QString::fromLatin1(address)))) << address;
}

// A certificate nobody vouches for (self-signed, in the fixtures) is refused before the request
// goes out: the server reads nothing.
TEST_F(RatesFetchTest, AnUntrustedCertificateIsRefused) {
    QFile certificate(kFixtures + QStringLiteral("localhost-cert.pem"));
    QFile key(kFixtures + QStringLiteral("localhost-key.pem"));
    ASSERT_TRUE(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate.readAll()));
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
    QSslServer tls;
    tls.setSslConfiguration(configuration);
    ASSERT_TRUE(tls.listen(QHostAddress::LocalHost, 0));
    int requestBytes = 0;
    QObject::connect(&tls, &QTcpServer::pendingConnectionAvailable, &tls, [&] {
        while (QTcpSocket* socket = tls.nextPendingConnection())
            QObject::connect(socket, &QIODevice::readyRead, socket, [&, socket] { requestBytes += int(socket->readAll().size()); });
    });
    fetch(QStringLiteral("/ecb"));
    qputenv("ORVANTIS_RATES_URL", QStringLiteral("https://127.0.0.1:%1/ecb").arg(tls.serverPort()).toUtf8());
    QSignalSpy done(&rates, &CurrencyRates::updated);
    rates.update();
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(rates.failure().problem, RatesProblem::Unreachable);
    EXPECT_FALSE(rates.failure().detail.isEmpty());
    EXPECT_EQ(requestBytes, 0);
    ASSERT_TRUE(rates.table());
    EXPECT_EQ(keptDocument(), fixture("ecb-2026-12-04.xml"));
}

TEST_F(RatesFetchTest, AutomaticFetchOnlyWhenDueAndAllowed) {
    qputenv("ORVANTIS_RATES_URL", server.url(QStringLiteral("/ecb")).toEncoded());
    QDateTime now(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc()); // Monday, before the ECB's hour
    rates.setClock([&now] { return now; });
    QSignalSpy done(&rates, &CurrencyRates::updated);
    rates.updateIfDue(); // nothing kept: due
    ASSERT_TRUE(done.wait(5000));
    rates.updateIfDue(); // Friday's rates, Monday's not out yet
    EXPECT_FALSE(rates.fetching());
    now = QDateTime(QDate(2026, 12, 7), QTime(17, 0), QTimeZone::utc());
    rates.setAutomatic(false);
    rates.updateIfDue();
    EXPECT_FALSE(rates.fetching()) << "the switch in Preferences turns it off";
    rates.setAutomatic(true);
    rates.updateIfDue();
    EXPECT_TRUE(rates.fetching());
    ASSERT_TRUE(done.wait(5000));
    rates.updateIfDue(); // still Friday's (the server has no newer): not asked again at once
    EXPECT_FALSE(rates.fetching());
    EXPECT_EQ(server.requests(QStringLiteral("/ecb")), 2);
}

// What stands in place of the kept rates is not read unless it is a file: a FIFO nobody writes
// would otherwise hold up the window for good.
TEST_F(RatesFetchTest, OnlyAKeptFileIsRead) {
    QDir().mkpath(QFileInfo(keptRatesFile()).absolutePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(keptRatesFile()).constData(), 0600), 0);
    const auto cleanUp = qScopeGuard([] { QFile::remove(keptRatesFile()); });
    ::alarm(10); // a regression fails instead of hanging
    const DocumentReading reading = readKeptRates(QDate(2026, 12, 8));
    ::alarm(0);
    EXPECT_FALSE(reading.table);
    EXPECT_EQ(reading.failure.problem, RatesProblem::NothingKept);
}

// Rates that cannot be kept are fetched, but the command says so and fails: the next run would
// find none.
TEST_F(RatesFetchTest, AnUpdateThatCannotBeKeptFails) {
    const QString folder = QFileInfo(keptRatesFile()).absolutePath();
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(folder).absolutePath()));
    QFile blocker(folder); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto cleanUp = qScopeGuard([folder] { QFile::remove(folder); });
    CommandLineRates command([] { return RateSource::EuropeanCentralBank; });
    std::ostringstream out, err;
    qputenv("ORVANTIS_RATES_URL", server.url(QStringLiteral("/ecb")).toEncoded());
    EXPECT_EQ(command.update(out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("could not be kept"), std::string::npos) << err.str();
}

TEST_F(RatesFetchTest, CommandLineUpdateAndConvert) {
    CommandLineRates command([] { return RateSource::EuropeanCentralBank; });
    EXPECT_FALSE(command.kept().table);
    std::ostringstream out, err;
    qputenv("ORVANTIS_RATES_URL", server.url(QStringLiteral("/missing")).toEncoded());
    EXPECT_EQ(command.update(out, err), 1);
    EXPECT_NE(err.str().find("404"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    qputenv("ORVANTIS_RATES_URL", server.url(QStringLiteral("/cbr")).toEncoded());
    EXPECT_EQ(command.update(out, err), 0);
    EXPECT_EQ(out.str(), "2026-12-05 Bank of Russia (9 currencies)\n");
    const auto kept = command.kept();
    ASSERT_TRUE(kept.table);
    EXPECT_EQ(kept.table->find("USD")->baseAmountText, "92.5100");
}

} // namespace
} // namespace orv
