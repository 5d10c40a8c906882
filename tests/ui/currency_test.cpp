// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion_panel.h"
#include "currency_rates.h"
#include "local_http_server.h"
#include "rates_store.h"
#include "settings_values.h"
#include "tape_keeper.h"
#include "tape_line.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTimeZone>

namespace orv::testing {
namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(ORV_RATES_FIXTURES "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// The conversion panel against a real server on 127.0.0.1, without kept rates at the start.
class CurrencyTest : public WindowTest {
  protected:
    void SetUp() override {
        QFile::remove(keptRatesFile());
        ASSERT_TRUE(server.listening());
        server.serve(QStringLiteral("/ecb"), fixture("ecb-2026-12-04.xml"));
        server.serve(QStringLiteral("/junk"), "<html>maintenance</html>");
        // Three weeks before the window's clock: the line turns orange.
        server.serve(QStringLiteral("/stale"), fixture("ecb-2026-12-04.xml").replace("2026-12-04", "2026-11-17"));
        serveFrom("/ecb");
        WindowTest::SetUp();
        rates().setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0), QTimeZone::utc()); });
        QTest::keyClick(handle(), Qt::Key_F5);
    }
    void TearDown() override {
        WindowTest::TearDown();
        qputenv("ORVANTIS_RATES_URL", "http://127.0.0.1:9/");
    }

    void serveFrom(const char* path) {
        qputenv("ORVANTIS_RATES_URL", server.url(QString::fromLatin1(path)).toEncoded());
    }
    CurrencyRates& rates() { return window->conversionPanel()->currencyRates(); }
    void pickCurrencyGroup() {
        auto* groups = find<QComboBox>("cbVibor");
        groups->setCurrentIndex(kCurrencyGroup);
        emit groups->activated(kCurrencyGroup);
    }
    QString ratesLine() { return find<QLabel>("lbRates")->toolTip().section(QLatin1Char('\n'), 0, 0); }
    bool waitForLine(const QString& start) {
        return QTest::qWaitFor([&] { return ratesLine().startsWith(start); }, 10000);
    }
    void click(const char* name) { QTest::mouseClick(find<TButtonPanel>(name), Qt::LeftButton); }
    QString hint() const { return window->errorHint().isVisible() ? window->errorHint().text() : QString(); }

    LocalHttpServer server;
};

TEST_F(CurrencyTest, ShowingTheGroupFetchesAndConvertsBothWays) {
    EXPECT_EQ(server.requests(QStringLiteral("/ecb")), 0) << "nothing is fetched before the group is shown";
    pickCurrencyGroup();
    ASSERT_TRUE(waitForLine(QStringLiteral("Rates of 4 Dec 2026, European Central Bank")));
    EXPECT_EQ(find<QComboBox>("cbVibor")->currentText(), "Currency");
    EXPECT_EQ(find<QComboBox>("cb1")->currentText(), "US dollar (USD)");
    EXPECT_EQ(find<QComboBox>("cb2")->currentText(), "Euro (EUR)");
    EXPECT_EQ(find<QComboBox>("cb1")->count(), 30);

    type("100");
    click("RxSpeedButton8");
    EXPECT_EQ(display(), "92,4898261191269 "); // 100 / 1.0812
    click("RxSpeedButton7");
    EXPECT_EQ(display(), "100 ");
    window->tape().settleWithFile();
    const auto& lines = window->tape().lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(tapeLine(lines[lines.size() - 2]), "100 US dollar (USD) = 92,4898261191269 Euro (EUR), rates of 2026-12-04");
    EXPECT_EQ(server.requests(QStringLiteral("/ecb")), 1);

    // Shown again the same day, the kept rates are not due.
    QTest::keyClick(handle(), Qt::Key_F5);
    QTest::keyClick(handle(), Qt::Key_F5);
    QTest::qWait(50);
    EXPECT_EQ(server.requests(QStringLiteral("/ecb")), 1);
}

TEST_F(CurrencyTest, TheWindowStaysLiveWhileTheBankStallsAndQuitsAtOnce) {
    serveFrom("/stall");
    rates().fetcher().setTimeout(800);
    pickCurrencyGroup();
    ASSERT_TRUE(rates().fetching());
    EXPECT_EQ(ratesLine(), "Updating the rates…");
    type("12+3=");
    EXPECT_EQ(display(), "15 ") << "keys work while the fetch waits";
    click("RxSpeedButton8");
    EXPECT_EQ(hint(), "No exchange rates yet: update them (Ctrl+U)") << "never a made-up rate";
    EXPECT_EQ(display(), "15 ");
    ASSERT_TRUE(waitForLine(QStringLiteral("No rates yet: the bank did not answer")));

    // A second stalled fetch, and the window closed in its middle.
    QTest::keyClick(handle(), Qt::Key_U, Qt::ControlModifier);
    ASSERT_TRUE(rates().fetching());
    QElapsedTimer clock;
    clock.start();
    window.reset();
    EXPECT_LT(clock.elapsed(), 500);
}

TEST_F(CurrencyTest, JunkLeavesTheKeptRatesAndOldRatesShowOrange) {
    pickCurrencyGroup();
    ASSERT_TRUE(waitForLine(QStringLiteral("Rates of 4 Dec 2026")));
    const QColor usual = find<QLabel>("lbRates")->palette().color(QPalette::WindowText);
    serveFrom("/junk");
    QTest::keyClick(handle(), Qt::Key_U, Qt::ControlModifier); // the update command
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rates().fetching(); }, 5000));
    EXPECT_TRUE(hint().startsWith("The rates were not updated: the answer is not a rate document")) << hint().toStdString();
    EXPECT_TRUE(ratesLine().startsWith("Rates of 4 Dec 2026")) << ratesLine().toStdString();
    type("1");
    click("RxSpeedButton8");
    EXPECT_EQ(display(), "0,924898261191269 ");

    serveFrom("/stale");
    QTest::mouseClick(find<QWidget>("bpUpdateRates"), Qt::LeftButton);
    ASSERT_TRUE(waitForLine(QStringLiteral("Rates of 17 Nov 2026")));
    EXPECT_EQ(find<QLabel>("lbRates")->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x40));
    EXPECT_NE(usual, QColor(0xFF, 0x80, 0x40));
}

class RussianCurrencyTest : public CurrencyTest {
    void prepareStore(SettingsStore& settings) override { settings.writeInt(value::RLang, 1); }
};

TEST_F(RussianCurrencyTest, NamesAndLineInRussian) {
    pickCurrencyGroup();
    ASSERT_TRUE(waitForLine(QStringLiteral("Курсы на 4 декабря 2026, Европейский центральный банк")))
        << ratesLine().toStdString();
    EXPECT_EQ(find<QComboBox>("cbVibor")->currentText(), "Валюта");
    EXPECT_EQ(find<QComboBox>("cb1")->currentText(), "Доллар США (USD)");
}

} // namespace
} // namespace orv::testing
