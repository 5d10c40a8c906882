// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "case_fold.h"
#include "unit_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {

void PrintTo(const UnitRef& u, std::ostream* os) {
    *os << "{" << u.group << ", " << u.unit << "}";
}

namespace {

TEST(FoldCase, LowersLatinAndCyrillicOnly) {
    const std::pair<const char*, const char*> rows[] = {
        {"Square METER", "square meter"},
        {"ГРАДУС Цельсия", "градус цельсия"},
        {"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
        {"ЁЂЃЄЅІЇЈЉЊЋЌЍЎЏ", "ёђѓєѕіїјљњћќѝўџ"},
        {"ÀÉÖ×ØÞ", "àéö×øþ"}, // the multiplication sign is no letter
        {"абв xyz 0-9 &()'", "абв xyz 0-9 &()'"},
        {"°C €", "°c €"},
        {"\xD0", "\xD0"},         // a lead byte cut off at the end
        {"\xD0Z", "\xD0z"},       // a lead byte without its continuation
        {"\xC1\x81", "\xC1\x81"}, // an overlong form is not decoded into a letter
        {"\x80Z\xBF", "\x80z\xBF"},       // stray continuation bytes stay, the letter between folds
        {"\xD0\x90\x90Я", "\xD0\xB0\x90я"}, // a letter, then a stray continuation byte
        {"\xF0\x9F\x98\x80" "A", "\xF0\x9F\x98\x80" "a"}, // a four-byte character is copied whole
        {"", ""},
    };
    for (const auto& [text, folded] : rows)
        EXPECT_EQ(foldCase(text), folded) << text;
}

TEST(TrimBlanks, DropsOnlySurroundingBlanksAndTabs) {
    EXPECT_EQ(trimBlanks("  Tod \t"), "Tod");
    EXPECT_EQ(trimBlanks("Sea mile"), "Sea mile");
    EXPECT_EQ(trimBlanks(" \t "), "");
}

struct FindRow {
    const char* name;
    std::vector<UnitRef> units;
};

TEST(FindUnits, MatchesEitherLanguageIgnoringCaseAndBlanks) {
    const FindRow rows[] = {
        {"Mile", {{0, 14}}},
        {"  mILE ", {{0, 14}}},
        {"МИЛЯ", {{0, 14}}},
        {"tod", {{3, 26}}},
        {"Тод", {{3, 26}}},
        {"клов", {{3, 28}}},
        {"Rod", {{0, 27}, {2, 16}}},
        {"дина", {{3, 35}, {7, 1}}},
        {"Hundredweight", {{3, 22}}},
        {"Centner", {{3, 3}}},
        {"Pound", {{3, 10}}},
        {"Pond", {{7, 4}}},
        {"Малая линия", {{0, 41}}},
        {"Mil", {{0, 39}}}, // not every name that starts with it
        {"Mle", {}},
        {"Angstrom", {{0, 8}}},
        {"angstrem", {{0, 8}}}, // the former spelling still names it
        {"Chain (engeneering's)", {{0, 26}}},
        {"Астороном. ед.", {{0, 11}}},
        {"Галлон - USA", {{2, 34}}},
        {"Галлон, амер.", {{2, 34}}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(findUnits(row.name), row.units) << row.name;
}

TEST(UnitsContaining, SuggestsByPartOfAName) {
    const auto found = unitsContaining("barrel (for crude");
    EXPECT_EQ(found, (std::vector<UnitRef>{{2, 28}, {2, 29}}));
    EXPECT_TRUE(unitsContaining("zzz").empty());
}

TEST(FindGroup, ByNameInEitherLanguageOrByIndex) {
    EXPECT_EQ(findGroup("length"), 0);
    EXPECT_EQ(findGroup(" VOLUME&CAPACITY "), 2);
    EXPECT_EQ(findGroup("объем"), 2);
    EXPECT_EQ(findGroup("Температура"), 4);
    EXPECT_EQ(findGroup("9"), 9);
    EXPECT_EQ(findGroup("10"), std::nullopt);
    EXPECT_EQ(findGroup("Volume"), 2) << "any unambiguous part of a name";
    EXPECT_EQ(findGroup("ОБЪ"), 2);
    EXPECT_EQ(findGroup("po"), 8);
    EXPECT_EQ(findGroup("Power"), 8) << "a whole name wins over a longer one containing it";
    EXPECT_EQ(findGroups("pr"), (std::vector<int>{5, 9})) << "Pressure and Prefixes";
    EXPECT_EQ(findGroup("pr"), std::nullopt);
    EXPECT_EQ(findGroup("Volumes"), std::nullopt);
    EXPECT_EQ(findGroup(""), std::nullopt);
}

struct PairRow {
    const char* from;
    const char* to;
    PairStatus status;
    int group;
    int fromUnit;
    int toUnit;
};

TEST(FindUnitPair, TakesTheGroupThatHoldsBoth) {
    const PairRow rows[] = {
        {"Mile", "Meter", PairStatus::Found, 0, 14, 0},
        {"Dyne", "Newton", PairStatus::Found, 7, 1, 0},
        {"Дина", "Грамм", PairStatus::Found, 3, 35, 1},
        {"Rod", "meter", PairStatus::Found, 0, 27, 0},
        {"litre", "РОД", PairStatus::Found, 2, 5, 16},
        {"Mile", "Миля", PairStatus::Found, 0, 14, 14},
        {"Rod", "Rod", PairStatus::Ambiguous, -1, -1, -1},
        {"Dyne", "Дина", PairStatus::Ambiguous, -1, -1, -1},
        {"Meter", "Kilogram", PairStatus::NoCommonGroup, -1, -1, -1},
        {"Rod", "Dyne", PairStatus::NoCommonGroup, -1, -1, -1},
        {"Mle", "Meter", PairStatus::UnknownFrom, -1, -1, -1},
        {"Meter", "Mtr", PairStatus::UnknownTo, -1, -1, -1},
    };
    for (const auto& row : rows) {
        const auto lookup = findUnitPair(row.from, row.to);
        EXPECT_EQ(lookup.status, row.status) << row.from << " -> " << row.to;
        EXPECT_EQ(lookup.group, row.group) << row.from << " -> " << row.to;
        EXPECT_EQ(lookup.from, row.fromUnit) << row.from << " -> " << row.to;
        EXPECT_EQ(lookup.to, row.toUnit) << row.from << " -> " << row.to;
    }
}

TEST(FindUnitPair, AmbiguityKeepsOnlyTheSharedGroupsCandidates) {
    const auto lookup = findUnitPair("Rod", "Rod");
    EXPECT_EQ(lookup.fromCandidates, (std::vector<UnitRef>{{0, 27}, {2, 16}}));
    EXPECT_EQ(lookup.toCandidates, (std::vector<UnitRef>{{0, 27}, {2, 16}}));
}

} // namespace
} // namespace orv
