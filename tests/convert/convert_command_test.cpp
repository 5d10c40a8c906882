// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "command_line.h"
#include "currency_rates_access.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace orv::cli {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun run(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const auto status = runCommandLine(args, in, out, err);
    EXPECT_TRUE(status.has_value());
    return {status.value_or(-1), out.str(), err.str()};
}

struct CommandRow {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;         // the whole standard output
    const char* errContains; // a part of the standard error ("" when it must be empty)
};

void PrintTo(const CommandRow& row, std::ostream* os) {
    *os << row.name;
}

class ConvertCommand : public ::testing::TestWithParam<CommandRow> {};

TEST_P(ConvertCommand, ExitsPrintsAndReports) {
    const auto& row = GetParam();
    const CommandRun result = run(row.args);
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(result.out, row.out);
    if (*row.errContains == '\0')
        EXPECT_EQ(result.err, "");
    else
        EXPECT_NE(result.err.find(row.errContains), std::string::npos) << result.err;
}

const CommandRow kCommands[] = {
    {"MileToMeter", {"--convert", "1", "Mile", "Meter"}, 0, "1609.344\n", ""},
    {"MeterToFootFifteenDigits", {"--convert", "1", "meter", "FOOT"}, 0, "3.28083989501312\n", ""},
    {"RussianNames", {"--convert", "1", " МИЛЯ ", "метр"}, 0, "1609.344\n", ""},
    {"MixedLanguages", {"--convert", "2.5", "Kilometer", "Метр"}, 0, "2500\n", ""},
    {"ReaumurToCelsius", {"--convert", "80", "Reaumur's degree", "celsius' degree"}, 0, "100\n", ""},
    {"ExponentInAndOut", {"--convert", "1E-3", "Yotto", "Input data"}, 0, "1E21\n", ""},
    {"DyneTakenAsForce", {"--convert", "100000", "Dyne", "Newton"}, 0, "1\n", ""},
    {"TrailingBlankName", {"--convert", "1", "Tod", "Stone"}, 0, "2\n", ""},
    // 231 cubic inches of 0.0254 m.
    {"GallonUsaToLitre", {"--convert", "1", "Gallon - USA", "Litre"}, 0, "3.785411784\n", ""},
    {"RefusedInEnglish",
     {"--convert", "-1", "Kelvin's degree", "Celsius' degree"},
     1,
     "",
     "The temperature in Kelvin's degrees can not be lower than  0 !\n"},
    {"RefusedInRussian",
     {"--convert", "-300", "градус цельсия", "Градус Кельвина"},
     1,
     "",
     "Температура в градусах Цельсия не может быть ниже  -273.15 !\n"},
    {"OverflowInEnglish",
     {"--convert", "1E4930", "Kilometer", "Millimeter"},
     1,
     "",
     "Overflow: the result is beyond the range of numbers!\n"},
    {"OverflowInRussian",
     {"--convert", "-1E4930", "километр", "Миллиметр"},
     1,
     "",
     "Переполнение: результат выходит за пределы диапазона чисел!\n"},
    {"AmbiguousName", {"--convert", "1", "Rod", "rod"}, 2, "", "Volume&Capacity 16: Rod / Род"},
    {"NoCommonGroup",
     {"--convert", "1", "Meter", "Kilogram"},
     2,
     "",
     "no group holds both 'Meter' and 'Kilogram'"},
    {"UnknownName", {"--convert", "1", "Mle", "Meter"}, 2, "", "unknown unit 'Mle'"},
    {"UnknownTargetWithCandidates",
     {"--convert", "1", "Litre", "Barrel"},
     2,
     "",
     "Volume&Capacity 29: Barrel (for crude oil) - USA"},
    {"CommaIsNoDecimalSeparator", {"--convert", "1,5", "Meter", "Foot"}, 2, "", "'1,5' is not a number"},
    {"MissingTarget", {"--convert", "1", "Meter"}, 2, "", "VALUE FROM TO"},
    {"UnknownGroup", {"--units", "Volumes"}, 2, "", "2: Volume&Capacity / Объем"},
    {"AmbiguousGroup", {"--units", "pr"}, 2, "", "more than one group fits 'pr'"},
    {"TooManyGroups", {"--units", "0", "1"}, 2, "", "at most one GROUP"},
};
INSTANTIATE_TEST_SUITE_P(CommandLine, ConvertCommand, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

// Output whose reader has gone, as a pipe closed early with SIGPIPE ignored.
struct ClosedPipe : std::streambuf {
    int_type overflow(int_type) override {
        errno = EPIPE;
        return traits_type::eof();
    }
};

struct ClosedPipeRow {
    std::vector<std::string> args;
    int status;
    const char* errEnd; // how the error output ends
};

TEST(ConvertCommand, OutputThatCannotBeWrittenIsAFailure) {
    const ClosedPipeRow rows[] = {
        {{"--convert", "1", "Mile", "Meter"}, 1, "orvantis: cannot write the output: Broken pipe\n"},
        {{"--units"}, 1, "orvantis: cannot write the output: Broken pipe\n"},
        {{"--units", "2"}, 1, "orvantis: cannot write the output: Broken pipe\n"},
        // Nothing to write: only the command's own failure.
        {{"--convert", "1E4930", "Kilometer", "Millimeter"}, 1, "numbers!\n"},
        {{"--units", "0", "1"}, 2, "at most one GROUP\n"},
    };
    for (const ClosedPipeRow& row : rows) {
        std::istringstream in;
        ClosedPipe pipe;
        std::ostream out(&pipe);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(row.args, in, out, err), row.status) << row.args.back();
        EXPECT_TRUE(err.str().ends_with(row.errEnd)) << row.args.back() << ": " << err.str();
    }
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        out.push_back(line);
    return out;
}

TEST(UnitsCommand, ListsTheTenGroupsAndTheCurrencies) {
    const CommandRun result = run({"--units"});
    EXPECT_EQ(result.status, 0);
    const auto listed = lines(result.out);
    ASSERT_EQ(listed.size(), 11u);
    EXPECT_EQ(listed[2], "2\tVolume&Capacity\tОбъем\t79 units");
    EXPECT_EQ(listed[10], "10\tCurrency\tВалюта\tthe kept exchange rates");
}

TEST(UnitsCommand, ListsOneGroupWithIndicesAndFactors) {
    const CommandRun result = run({"--units", "масса"});
    EXPECT_EQ(result.status, 0);
    const auto listed = lines(result.out);
    ASSERT_EQ(listed.size(), 43u); // the heading and 42 units
    EXPECT_EQ(listed[1], "0\tKilogram\tКилограмм\t1");
    EXPECT_EQ(listed[27], "26\tTod \tТод \t12.70058636"); // 28 lb of 0.45359237 kg
}

TEST(UnitsCommand, TemperatureScalesHaveNoFactor) {
    const auto listed = lines(run({"--units", "4"}).out);
    ASSERT_EQ(listed.size(), 6u);
    EXPECT_EQ(listed[4], "3\tReaumur's degree\tГрадус Реомюра");
}

TEST(UsageText, NamesBothOptions) {
    const CommandRun result = run({"--help"});
    EXPECT_NE(result.out.find("--convert VALUE FROM TO"), std::string::npos);
    EXPECT_NE(result.out.find("--units [GROUP]"), std::string::npos);
}

} // namespace
} // namespace orv::cli

namespace orv::cli {
namespace {

// Rates as the ECB gives them, kept or not, and an update that is never expected here.
class KeptRates final : public CurrencyRatesAccess {
  public:
    explicit KeptRates(bool kept) {
        if (!kept) return;
        RateTable table;
        table.year = 2026, table.month = 12, table.day = 4;
        table.rates = {{"EUR", "1", "1", 1, 1}, {"USD", "1", "1.0812", 1, 1.0812L}, {"JPY", "1", "162.43", 1, 162.43L}};
        rates_.table = table;
    }
    KeptCurrencyRates kept() override {
        ++reads;
        return rates_;
    }
    int update(std::ostream&, std::ostream&) override {
        ADD_FAILURE() << "--convert must never fetch";
        return 1;
    }
    int reads = 0;

  private:
    KeptCurrencyRates rates_{std::nullopt, "no rates have been fetched yet", false};
};

struct CurrencyRow {
    const char* name;
    std::vector<std::string> args;
    bool kept;
    int status;
    const char* out;
    const char* errContains;
};

TEST(ConvertCommand, CurrenciesConvertWithTheKeptRatesOnly) {
    const CurrencyRow rows[] = {
        {"codes", {"--convert", "100", "USD", "EUR"}, true, 0, "92.4898261191269\n", "rates of 2026-12-04, European Central Bank"},
        {"lower case and names", {"--convert", "1", "euro", "доллар сша"}, true, 0, "1.0812\n", "2026-12-04"},
        {"across the base", {"--convert", "1", "USD", "JPY"}, true, 0, "150.231224565298\n", ""},
        {"none kept", {"--convert", "100", "USD", "EUR"}, false, 1, "", "orvantis --update-rates"},
        {"not in the rates", {"--convert", "100", "USD", "RUB"}, true, 2, "", "have no RUB"},
        {"unit and currency", {"--convert", "1", "Mile", "USD"}, true, 2, "", "unknown unit 'USD'"},
        {"units stay units", {"--convert", "1", "Mile", "Meter"}, true, 0, "1609.344\n", ""},
    };
    for (const CurrencyRow& row : rows) {
        KeptRates rates(row.kept);
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(runCommandLine(row.args, in, out, err, &rates), row.status) << row.name << ": " << err.str();
        EXPECT_EQ(out.str(), row.out) << row.name;
        EXPECT_NE(err.str().find(row.errContains), std::string::npos) << row.name << ": " << err.str();
    }
}

TEST(UnitsCommand, CurrencyGroupListsTheKeptRates) {
    KeptRates rates(true);
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine({"--units", "Валюта"}, in, out, err, &rates), 0);
    const auto listed = lines(out.str());
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0], "Group 10: Currency / Валюта (3 units, rates of 2026-12-04, European Central Bank)");
    EXPECT_EQ(listed[2], "1\tUS dollar (USD)\tДоллар США (USD)\t1 EUR = 1.0812 USD");
    KeptRates none(false);
    EXPECT_EQ(runCommandLine({"--units", "10"}, in, out, err, &none), 1);
}

} // namespace
} // namespace orv::cli
