#include "case_fold.h"
#include "unit_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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
        {0, 21, "Cable - US", "Кабельтов (USA)"},
        {0, 49, "Line - Russian", "Линия (Russia)"},
        {1, 23, "Desyatina - Russian", "Десятина"},
        {2, 76, "Vodka bottle- Russian", "Водочная бутылка - Russian"},
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
        {0, 38, 0.00846666666L},
        {0, 47, 0.1778L},
        {1, 9, 0.00064516L},
        {2, 29, 0.158987294928L},
        {2, 40, 0.0000036966911953125L},
        {2, 56, 0.00909218L},
        {2, 57, 0.00880976754172L},
        {2, 71, 0.00123L},
        {3, 16, 0.0038879346L},
        {3, 35, 0.00000101971621L},
        {5, 15, 6894.76L},
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

} // namespace
} // namespace orv
