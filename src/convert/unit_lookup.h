// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace orv {

struct UnitRef {
    int group = -1;
    int unit = -1;

    friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

// Units whose English or Russian name is `name`, ignoring case (Latin and Cyrillic) and
// surrounding blanks, in catalogue order. A unit is listed once even when both names match.
std::vector<UnitRef> findUnits(std::string_view name);

// Units with a name containing `text` (same folding): suggestions for a name that matched nothing.
std::vector<UnitRef> unitsContaining(std::string_view text);

// The groups `nameOrIndex` names: its index "0".."9", its whole English or Russian name (folded as
// above), or else every group with a name that contains it ("Volume", "объ"), in catalogue order.
std::vector<int> findGroups(std::string_view nameOrIndex);
// The one group `nameOrIndex` names; nothing when it names none or several.
std::optional<int> findGroup(std::string_view nameOrIndex);

enum class PairStatus {
    Found,         // one group holds exactly one unit of each name
    UnknownFrom,   // the source name matches no unit
    UnknownTo,     // the target name matches no unit
    NoCommonGroup, // both names exist, but never in the same group
    Ambiguous,     // several groups (or units of one group) fit both names
};

struct UnitPairLookup {
    PairStatus status = PairStatus::UnknownFrom;
    int group = -1; // group, from and to are set when Found
    int from = -1;
    int to = -1;
    // The units each name matched; when Ambiguous, only those in the groups that hold both.
    std::vector<UnitRef> fromCandidates;
    std::vector<UnitRef> toCandidates;
};

// Resolves a source and a target name to one group: a name found in several groups is taken in
// the group that also holds the other name.
UnitPairLookup findUnitPair(std::string_view from, std::string_view to);

} // namespace orv
