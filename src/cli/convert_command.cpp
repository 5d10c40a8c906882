// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "convert_command.h"

#include "case_fold.h"
#include "conversion.h"
#include "currency.h"
#include "currency_rates_access.h"
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

bool isCodeShaped(std::string_view name) {
    const std::string_view trimmed = trimBlanks(name);
    return trimmed.size() == 3 && std::all_of(trimmed.begin(), trimmed.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
           });
}

std::string upperCode(std::string_view name) {
    std::string code(trimBlanks(name));
    for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return code;
}

// A currency named by code or name; a three-letter code this program has no name for counts too,
// when the other side is a known currency (the bank may list it).
std::optional<std::pair<std::string, std::string>> currencyPair(const std::string& from, const std::string& to) {
    const auto fromCode = findCurrencyCode(from);
    const auto toCode = findCurrencyCode(to);
    if (!fromCode && !toCode) return std::nullopt;
    if (!fromCode && !isCodeShaped(from)) return std::nullopt;
    if (!toCode && !isCodeShaped(to)) return std::nullopt;
    return std::pair{fromCode.value_or(upperCode(from)), toCode.value_or(upperCode(to))};
}

std::string ratesNote(const KeptCurrencyRates& kept) {
    const RateTable& table = *kept.table;
    std::string note = "orvantis: rates of " + table.isoDate() + ", " +
                       std::string(sourceName(table.source, Language::English));
    if (kept.old) note += " (more than a week old; orvantis --update-rates fetches new ones)";
    return note + '\n';
}

int runCurrencyConvert(Extended value, const std::string& fromCode, const std::string& toCode, std::ostream& out,
                       std::ostream& err, CurrencyRatesAccess* rates) {
    if (!rates) {
        err << "orvantis: this program has no exchange rates; the desktop program converts currencies\n";
        return 1;
    }
    const KeptCurrencyRates kept = rates->kept();
    if (!kept.table) {
        err << "orvantis: no exchange rates are kept (" << kept.why
            << "); orvantis --update-rates fetches them\n";
        return 1;
    }
    const RateTable& table = *kept.table;
    for (const std::string* code : {&fromCode, &toCode}) {
        if (table.indexOf(*code) >= 0) continue;
        err << "orvantis: the rates of " << table.isoDate() << ", " << sourceName(table.source, Language::English)
            << ", have no " << *code << "; orvantis --units Currency lists them\n";
        return 2;
    }
    const ConversionResult result = convertCurrency(value, table, table.indexOf(fromCode), table.indexOf(toCode),
                                                    messagesFor(Language::English), dotSeparators());
    if (result.outcome != ConversionOutcome::Converted) {
        err << result.message << '\n';
        return 1;
    }
    out << result.entryText << '\n';
    err << ratesNote(kept);
    return 0;
}

bool namesCurrencyGroup(std::string_view nameOrIndex) {
    const std::string key = foldCase(trimBlanks(nameOrIndex));
    if (key.empty()) return false;
    if (key == "10") return true;
    for (Language language : {Language::English, Language::Russian})
        if (foldCase(currencyGroupName(language)).find(key) != std::string::npos) return true;
    return false;
}

int printCurrencyUnits(std::ostream& out, std::ostream& err, CurrencyRatesAccess* rates) {
    out << "Group " << kCurrencyGroup << ": " << currencyGroupName(Language::English) << " / "
        << currencyGroupName(Language::Russian);
    const KeptCurrencyRates kept = rates ? rates->kept() : KeptCurrencyRates{};
    if (!kept.table) {
        out << " (no rates kept)\n";
        err << "orvantis: no exchange rates are kept"
            << (rates ? " (" + kept.why + "); orvantis --update-rates fetches them\n" : "\n");
        return 1;
    }
    const RateTable& table = *kept.table;
    out << " (" << table.rates.size() << " units, rates of " << table.isoDate() << ", "
        << sourceName(table.source, Language::English) << ")\n";
    const std::string_view base = baseCurrency(table.source);
    for (std::size_t i = 0; i < table.rates.size(); ++i) {
        const CurrencyRate& rate = table.rates[i];
        out << i << '\t' << currencyUnitName(rate.code, Language::English) << '\t'
            << currencyUnitName(rate.code, Language::Russian) << '\t' << rate.baseAmountText << ' ' << base
            << " = " << rate.amountText << ' ' << rate.code << '\n';
    }
    return 0;
}

} // namespace

int runConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               CurrencyRatesAccess* rates) {
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
    if (lookup.status != PairStatus::Found) {
        if (const auto codes = currencyPair(from, to))
            return runCurrencyConvert(*value, codes->first, codes->second, out, err, rates);
        return reportLookupFailure(err, lookup, from, to);
    }

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

int runUnits(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             CurrencyRatesAccess* rates) {
    if (args.size() > 1) {
        err << "orvantis: --units takes at most one GROUP\n";
        return 2;
    }
    if (args.empty()) {
        for (int group = 0; group < kGroupCount; ++group) {
            out << group << '\t' << groupName(group, Language::English) << '\t'
                << groupName(group, Language::Russian) << '\t' << unitCount(group) << " units\n";
        }
        out << kCurrencyGroup << '\t' << currencyGroupName(Language::English) << '\t'
            << currencyGroupName(Language::Russian) << "\tthe kept exchange rates\n";
        return 0;
    }
    const std::vector<int> groups = findGroups(args[0]);
    const bool currency = namesCurrencyGroup(args[0]);
    if (currency && groups.empty()) return printCurrencyUnits(out, err, rates);
    if (groups.size() != 1 || currency) {
        err << "orvantis: " << (groups.empty() ? "unknown group '" : "more than one group fits '") << args[0]
            << "'; the groups are:\n";
        for (int g = 0; g < kGroupCount; ++g)
            err << "  " << g << ": " << groupName(g, Language::English) << " / "
                << groupName(g, Language::Russian) << '\n';
        err << "  " << kCurrencyGroup << ": " << currencyGroupName(Language::English) << " / "
            << currencyGroupName(Language::Russian) << '\n';
        return 2;
    }
    const auto group = std::optional<int>(groups.front());
    printGroupUnits(out, *group);
    return 0;
}

} // namespace orv::cli
