// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "unit_lookup.h"

#include "case_fold.h"
#include "unit_catalogue.h"

#include <algorithm>
#include <array>
#include <string>

namespace orv {
namespace {

struct FoldedNames {
    std::string english;
    std::string russian;
    std::vector<std::string> former;
};

std::string folded(std::string_view text) {
    return foldCase(trimBlanks(text));
}

// Folded once: lookups compare against these instead of folding 524 names each time.
const std::vector<FoldedNames>& foldedUnitNames() {
    static const auto names = [] {
        std::vector<FoldedNames> out;
        for (const UnitRow& row : catalogue())
            out.push_back({folded(row.english), folded(row.russian), {}});
        for (const FormerName& former : formerUnitNames()) {
            const auto units = catalogue();
            const auto row = std::find_if(units.begin(), units.end(), [&](const UnitRow& unit) {
                return unit.group == former.group && unit.index == former.index;
            });
            out[static_cast<std::size_t>(row - units.begin())].former.push_back(folded(former.name));
        }
        return out;
    }();
    return names;
}

template <class Match> std::vector<UnitRef> unitsWhere(Match match) {
    std::vector<UnitRef> found;
    const auto rows = catalogue();
    const auto& names = foldedUnitNames();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& former = names[i].former;
        if (match(names[i].english) || match(names[i].russian) || std::any_of(former.begin(), former.end(), match))
            found.push_back({rows[i].group, rows[i].index});
    }
    return found;
}

std::vector<UnitRef> inGroup(const std::vector<UnitRef>& units, int group) {
    std::vector<UnitRef> out;
    std::copy_if(units.begin(), units.end(), std::back_inserter(out),
                 [group](const UnitRef& u) { return u.group == group; });
    return out;
}

} // namespace

std::vector<UnitRef> findUnits(std::string_view name) {
    const std::string key = folded(name);
    if (key.empty()) return {};
    return unitsWhere([&key](const std::string& candidate) { return candidate == key; });
}

std::vector<UnitRef> unitsContaining(std::string_view text) {
    const std::string key = folded(text);
    if (key.empty()) return {};
    return unitsWhere(
        [&key](const std::string& candidate) { return candidate.find(key) != std::string::npos; });
}

std::vector<int> findGroups(std::string_view nameOrIndex) {
    const std::string key = folded(nameOrIndex);
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return {key[0] - '0'};
    if (key.empty()) return {};
    const auto names = [](int group) {
        return std::array{folded(groupName(group, Language::English)), folded(groupName(group, Language::Russian))};
    };
    for (int group = 0; group < kGroupCount; ++group)
        for (const std::string& name : names(group))
            if (name == key) return {group};
    std::vector<int> groups;
    for (int group = 0; group < kGroupCount; ++group) {
        const auto both = names(group);
        if (std::any_of(both.begin(), both.end(),
                        [&](const std::string& name) { return name.find(key) != std::string::npos; }))
            groups.push_back(group);
    }
    return groups;
}

std::optional<int> findGroup(std::string_view nameOrIndex) {
    const std::vector<int> groups = findGroups(nameOrIndex);
    if (groups.size() != 1) return std::nullopt;
    return groups.front();
}

UnitPairLookup findUnitPair(std::string_view from, std::string_view to) {
    UnitPairLookup result;
    result.fromCandidates = findUnits(from);
    result.toCandidates = findUnits(to);
    if (result.fromCandidates.empty()) {
        result.status = PairStatus::UnknownFrom;
        return result;
    }
    if (result.toCandidates.empty()) {
        result.status = PairStatus::UnknownTo;
        return result;
    }
    std::vector<UnitRef> fromShared;
    std::vector<UnitRef> toShared;
    std::vector<int> sharedGroups;
    for (int group = 0; group < kGroupCount; ++group) {
        auto fromHere = inGroup(result.fromCandidates, group);
        auto toHere = inGroup(result.toCandidates, group);
        if (fromHere.empty() || toHere.empty()) continue;
        sharedGroups.push_back(group);
        fromShared.insert(fromShared.end(), fromHere.begin(), fromHere.end());
        toShared.insert(toShared.end(), toHere.begin(), toHere.end());
    }
    if (sharedGroups.empty()) {
        result.status = PairStatus::NoCommonGroup;
        return result;
    }
    if (sharedGroups.size() > 1 || fromShared.size() > 1 || toShared.size() > 1) {
        result.status = PairStatus::Ambiguous;
        result.fromCandidates = std::move(fromShared);
        result.toCandidates = std::move(toShared);
        return result;
    }
    result.status = PairStatus::Found;
    result.group = sharedGroups.front();
    result.from = fromShared.front().unit;
    result.to = toShared.front().unit;
    return result;
}

} // namespace orv
