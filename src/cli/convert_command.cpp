// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "convert_command.h"

#include "case_fold.h"
#include "conversion.h"
#include "messages.h"
#include "number_text.h"
#include "unit_catalogue.h"
#include "unit_lookup.h"

#include <algorithm>
#include <ostream>

namespace orv::cli {
namespace {

// Enough suggestions to recognise the intended unit without flooding the terminal.
constexpr std::size_t kMaxSuggestions = 12;

void printCandidate(std::ostream& err, const UnitRef& unit) {
    err << "  " << groupName(unit.group, Language::English) << ' ' << unit.unit << ": "
        << unitName(unit.group, unit.unit, Language::English) << " / "
        << unitName(unit.group, unit.unit, Language::Russian) << '\n';
}

void printCandidates(std::ostream& err, const std::vector<UnitRef>& units) {
    const std::size_t shown = std::min(units.size(), kMaxSuggestions);
    for (std::size_t i = 0; i < shown; ++i)
        printCandidate(err, units[i]);
    if (units.size() > shown) err << "  ... and " << units.size() - shown << " more\n";
}

void reportUnknown(std::ostream& err, const std::string& name) {
    err << "orvantis: unknown unit '" << name << "'";
    const auto similar = unitsContaining(name);
    if (similar.empty()) {
        err << "; orvantis --units lists the groups and their units\n";
        return;
    }
    err << "; candidates:\n";
    printCandidates(err, similar);
}

int reportLookupFailure(std::ostream& err, const UnitPairLookup& lookup, const std::string& from,
                        const std::string& to) {
    switch (lookup.status) {
    case PairStatus::UnknownFrom:
        reportUnknown(err, from);
        break;
    case PairStatus::UnknownTo:
        reportUnknown(err, to);
        break;
    case PairStatus::NoCommonGroup:
    case PairStatus::Ambiguous:
        err << "orvantis: "
            << (lookup.status == PairStatus::Ambiguous ? "more than one group holds both '"
                                                       : "no group holds both '")
            << from << "' and '" << to << "'; candidates for '" << from << "':\n";
        printCandidates(err, lookup.fromCandidates);
        err << "candidates for '" << to << "':\n";
        printCandidates(err, lookup.toCandidates);
        break;
    case PairStatus::Found:
        break;
    }
    return 2;
}

// A source unit named in Russian gets the Russian bound message.
Language languageOfName(const std::string& name, int group, int unit) {
    const bool russian =
        foldCase(trimBlanks(name)) == foldCase(trimBlanks(unitName(group, unit, Language::Russian)));
    return russian ? Language::Russian : Language::English;
}

void printGroupUnits(std::ostream& out, int group) {
    out << "Group " << group << ": " << groupName(group, Language::English) << " / "
        << groupName(group, Language::Russian) << " (" << unitCount(group) << " units";
    if (group == kTemperatureGroup) out << ", converted through Celsius by formula";
    out << ")\n";
    for (const UnitRow& row : groupUnits(group)) {
        out << row.index << '\t' << row.english << '\t' << row.russian;
        if (!row.factorText.empty()) out << '\t' << row.factorText;
        out << '\n';
    }
}

} // namespace

int runConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) {
        err << "orvantis: --convert needs VALUE FROM TO, for example: --convert 1 Mile Meter\n";
        return 2;
    }
    const std::string& from = args[1];
    const std::string& to = args[2];
    const auto value = parseNumber(args[0], dotSeparators());
    if (!value) {
        err << "orvantis: '" << args[0] << "' is not a number (use '.' as the decimal separator)\n";
        return 2;
    }
    const UnitPairLookup lookup = findUnitPair(from, to);
    if (lookup.status != PairStatus::Found) return reportLookupFailure(err, lookup, from, to);

    const Messages& messages = messagesFor(languageOfName(from, lookup.group, lookup.from));
    const ConversionResult result =
        convertValue(*value, lookup.group, lookup.from, lookup.to, messages, dotSeparators());
    if (result.outcome != ConversionOutcome::Converted) {
        err << result.message << '\n';
        return 1;
    }
    out << result.entryText << '\n';
    return 0;
}

int runUnits(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1) {
        err << "orvantis: --units takes at most one GROUP\n";
        return 2;
    }
    if (args.empty()) {
        for (int group = 0; group < kGroupCount; ++group) {
            out << group << '\t' << groupName(group, Language::English) << '\t'
                << groupName(group, Language::Russian) << '\t' << unitCount(group) << " units\n";
        }
        return 0;
    }
    const std::vector<int> groups = findGroups(args[0]);
    if (groups.size() != 1) {
        err << "orvantis: " << (groups.empty() ? "unknown group '" : "more than one group fits '") << args[0]
            << "'; the groups are:\n";
        for (int g = 0; g < kGroupCount; ++g)
            err << "  " << g << ": " << groupName(g, Language::English) << " / "
                << groupName(g, Language::Russian) << '\n';
        return 2;
    }
    const auto group = std::optional<int>(groups.front());
    printGroupUnits(out, *group);
    return 0;
}

} // namespace orv::cli
