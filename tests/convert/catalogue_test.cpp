// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "case_fold.h"
#include "unit_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace orv {
namespace {

TEST(Catalogue, GroupsHoldTheListedNumberOfUnits) {
    const int expected[kGroupCount] = {50, 24, 79, 42, 5, 17, 9, 8, 7, 21};
    int total = 0;
    for (int group = 0; group < kGroupCount; ++group) {
        EXPECT_EQ(unitCount(group), expected[group]) << "group " << group;
        total += unitCount(group);
    }
    EXPECT_EQ(total, 262);
    EXPECT_EQ(catalogue().size(), 262u);
}

TEST(Catalogue, RowsAreNumberedInListOrder) {
    for (int group = 0; group < kGroupCount; ++group) {
        int expectedIndex = 0;
        for (const UnitRow& row : groupUnits(group)) {
            EXPECT_EQ(row.group, group);
            EXPECT_EQ(row.index, expectedIndex++) << row.english;
        }
    }
}

TEST(Catalogue, EveryFactorGroupHasBaseUnitOneAndPositiveFactors) {
    for (int group = 0; group < kGroupCount; ++group) {
        if (group == kTemperatureGroup) continue;
        EXPECT_EQ(unitFactor(group, 0), 1.0L) << "group " << group;
        for (int unit = 0; unit < unitCount(group); ++unit) {
            const auto factor = unitFactor(group, unit);
            ASSERT_TRUE(factor.has_value()) << "group " << group << " unit " << unit;
            EXPECT_GT(*factor, 0) << unitName(group, unit, Language::English);
        }
    }
}

TEST(Catalogue, TemperatureScalesHaveNoFactorAndOutsideIsEmpty) {
    for (int unit = 0; unit < unitCount(kTemperatureGroup); ++unit)
        EXPECT_FALSE(unitFactor(kTemperatureGroup, unit).has_value());
    EXPECT_FALSE(unitFactor(0, 50).has_value());
    EXPECT_FALSE(unitFactor(-1, 0).has_value());
    EXPECT_FALSE(unitFactor(10, 0).has_value());
    EXPECT_TRUE(groupUnits(10).empty());
    EXPECT_EQ(unitName(9, 21, Language::English), "");
    EXPECT_EQ(groupName(-1, Language::Russian), "");
}

struct NamedUnit {
    int group;
    int unit;
    const char* english;
    const char* russian;
};

// The corrected names, the ones with trailing blanks, and the first and last of some groups.
TEST(Catalogue, NamesAreStoredLetterForLetter) {
    const NamedUnit rows[] = {
        {0, 0, "Meter", "Метр"},
        {0, 8, "Angstrom", "Ангстрем"},
        {0, 11, "Astronomical unit", "Астроном. ед."},
        {0, 21, "Cable - US", "Кабельтов (амер.)"},
        {0, 26, "Chain (engineering)", "Чейн строительный"},
        {0, 49, "Line - Russian", "Линия (рус.)"},
        {2, 28, "Barrel (for crude oil) - British", "Баррель (для неочищенного масла), брит."},
        {2, 29, "Barrel (for crude oil) - USA", "Баррель (для неочищенного масла), амер."},
        {1, 23, "Desyatina - Russian", "Десятина"},
        {2, 76, "Vodka bottle- Russian", "Водочная бутылка, рус."},
        {3, 3, "Centner", "Центнер"},
        {3, 22, "Hundredweight", "Хандредвейт"},
        {3, 26, "Tod ", "Тод "},
        {3, 28, "Clove", "Клов "},
        {4, 3, "Reaumur's degree", "Градус Реомюра"},
        {5, 15, "Pound-force per square inch", "Фунт-сила на кв.дюйм"},
        {6, 8, "Millenium", "Тысячелетие"},
        {7, 4, "Pond", "Понд"},
        {9, 20, "Yocto", "Уокто"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(unitName(row.group, row.unit, Language::English), row.english);
        EXPECT_EQ(unitName(row.group, row.unit, Language::Russian), row.russian);
    }
}

TEST(Catalogue, GroupNamesInBothLanguages) {
    const char* english[] = {"Length",   "Area", "Volume&Capacity", "Mass",  "Temperature",
                             "Pressure", "Time", "Force",           "Power", "Prefixes"};
    const char* russian[] = {"Длина",    "Площадь", "Объем", "Масса",    "Температура",
                             "Давление", "Время",   "Сила",  "Мощность", "Приставки"};
    for (int group = 0; group < kGroupCount; ++group) {
        EXPECT_EQ(groupName(group, Language::English), english[group]);
        EXPECT_EQ(groupName(group, Language::Russian), russian[group]);
    }
}

TEST(Catalogue, PanelListsFollowTheLanguage) {
    const auto english = unitNames(4, Language::English);
    const auto russian = unitNames(4, Language::Russian);
    ASSERT_EQ(english.size(), 5u);
    ASSERT_EQ(russian.size(), 5u);
    EXPECT_EQ(english[4], "Rankin's degree");
    EXPECT_EQ(russian[1], "Градус Кельвина");
    EXPECT_TRUE(unitNames(10, Language::English).empty());
}

// A name that appears twice in one group could never be told apart in the lists or on the
// command line; the corrections removed the only such cases.
TEST(Catalogue, NoGroupRepeatsAName) {
    for (int group = 0; group < kGroupCount; ++group) {
        for (Language language : {Language::English, Language::Russian}) {
            std::set<std::string> seen;
            for (const UnitRow& row : groupUnits(group))
                EXPECT_TRUE(seen.insert(foldCase(trimBlanks(row.name(language)))).second)
                    << "group " << group << ": " << row.name(language);
        }
    }
}

struct FactorRow {
    int group;
    int unit;
    long double factor; // the nearest long double to the decimal, not the nearest double
};

// The corrected factors, and factors whose nearest double differs from their nearest Extended.
TEST(Catalogue, FactorsAreTheNearestExtended) {
    const FactorRow rows[] = {
        {0, 9, 1.00206e-13L},
        {0, 14, 1609.344L},
        {0, 16, 0.0254L},
        {0, 31, 0.4572L},
        {0, 38, 0.00846666666666666666667L},
        {0, 47, 0.1778L},
        {1, 9, 0.00064516L},
        {2, 29, 0.158987294928L},
        {2, 40, 0.0000036966911953125L},
        {2, 56, 0.00909218L},
        {2, 57, 0.00880976754172L},
        {2, 71, 0.001229941L},
        {3, 16, 0.0038879346L},
        {3, 35, 0.00000101971621297792824257L},
        {5, 15, 6894.75729316836133672L},
        {6, 6, 31556925.4442L},
        {6, 7, 3155692544.42L},
        {6, 8, 31556925444.2L},
        {7, 4, 0.00980665L},
        {9, 1, 1e24L},
        {9, 20, 1e-24L},
    };
    for (const auto& row : rows) {
        const auto factor = unitFactor(row.group, row.unit);
        ASSERT_TRUE(factor.has_value());
        EXPECT_EQ(*factor, row.factor) << unitName(row.group, row.unit, Language::English);
    }
}

std::vector<std::string> tabFields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');)
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

// Read with the C library rather than the program's own number reader, so a fault there cannot
// hide a wrong factor. Empty text (a temperature scale) has no value.
std::optional<long double> decimalValue(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const long double value = std::strtold(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    return value;
}

// unit-definitions.tsv gives every unit its standard definition, the exact factor that follows
// from it and a decision: "exact" rows take the exact factor, "keep" rows (no standard confirms
// them) keep the traditional one, "same" rows already agreed. Every unit must be there once, in
// its place, so a shifted row or a truncated copy fails.
TEST(Catalogue, FactorsFollowTheirDefinitions) {
    std::ifstream in(ORV_UNIT_DEFINITIONS);
    ASSERT_TRUE(in.is_open()) << ORV_UNIT_DEFINITIONS;
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    ASSERT_EQ(line, "group\tindex\tname\tcurrent_factor\texact_factor\tdefinition\tdecision\treason");
    std::set<std::pair<int, int>> listed;
    int exactRows = 0;
    int keptRows = 0;
    while (std::getline(in, line)) {
        const auto field = tabFields(line);
        ASSERT_EQ(field.size(), 8u) << line;
        const int group = std::stoi(field[0]);
        const int unit = std::stoi(field[1]);
        const std::string& name = field[2];
        const std::string& current = field[3];
        const std::string& exact = field[4];
        const std::string& decision = field[6];
        ASSERT_TRUE(isUnit(group, unit)) << line;
        EXPECT_TRUE(listed.insert({group, unit}).second) << "listed twice: " << line;

        const UnitRow& row = groupUnits(group)[static_cast<std::size_t>(unit)];
        // The table keeps the names as first listed; a mended spelling is matched by its index.
        const auto former = formerUnitNames();
        const bool formerName = std::any_of(former.begin(), former.end(), [&](const FormerName& f) {
            return f.group == group && f.index == unit && f.name == name;
        });
        EXPECT_TRUE(row.english == name || formerName) << "group " << group << " unit " << unit << ": " << name;
        EXPECT_FALSE(row.definition.empty()) << name;

        std::string wanted;
        if (decision == "exact") {
            ++exactRows;
            wanted = exact;
        } else if (decision == "keep") {
            ++keptRows;
            wanted = current;
        } else {
            EXPECT_EQ(decision, "same") << line;
            EXPECT_EQ(current, exact) << line;
            wanted = exact;
        }
        EXPECT_EQ(row.factorText, wanted) << name;
        const auto expected = decimalValue(wanted);
        EXPECT_EQ(expected.has_value(), !wanted.empty()) << "unreadable factor: " << line;
        const auto factor = unitFactor(group, unit);
        ASSERT_EQ(factor.has_value(), expected.has_value()) << name;
        if (factor) {
            EXPECT_EQ(*factor, *expected) << name;
        }
    }
    EXPECT_EQ(listed.size(), 262u);
    EXPECT_EQ(listed.size(), catalogue().size());
    EXPECT_GT(exactRows, 0);
    EXPECT_GT(keptRows, 0);
}

} // namespace
} // namespace orv
