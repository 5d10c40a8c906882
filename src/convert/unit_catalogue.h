// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"
#include "messages.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orv {

// One unit: its group, its position in the group's lists, both names exactly as shown (trailing
// blanks included), the decimal of its factor, the number of base units in one of it, and the
// definition that factor comes from, so every number can be checked where it stands. The
// temperature scales have no factor text: they convert by formula.
struct UnitRow {
    int group;
    int index;
    std::string_view english;
    std::string_view russian;
    std::string_view factorText;
    std::string_view definition;

    std::string_view name(Language language) const {
        return language == Language::Russian ? russian : english;
    }
};

struct GroupNames {
    std::string_view english;
    std::string_view russian;

    std::string_view name(Language language) const {
        return language == Language::Russian ? russian : english;
    }
};

inline constexpr int kGroupCount = 10;
inline constexpr int kTemperatureGroup = 4;

// A name a unit was once listed under, in either language.
struct FormerName {
    int group;
    int index;
    std::string_view name;
};
std::span<const FormerName> formerUnitNames();

// Every unit of every group, group by group, in list order.
std::span<const UnitRow> catalogue();

// The units of one group in list order; empty for a group outside 0..9.
std::span<const UnitRow> groupUnits(int group);

int unitCount(int group);
bool isUnit(int group, int unit);

// "" outside the catalogue.
std::string_view groupName(int group, Language language);
std::string_view unitName(int group, int unit, Language language);

// What fills the two unit lists of the conversion panel.
std::vector<std::string_view> unitNames(int group, Language language);

// The Extended nearest to the unit's decimal factor; empty for a temperature scale and outside
// the catalogue.
std::optional<Extended> unitFactor(int group, int unit);

} // namespace orv
