// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "recording_view.h"

#include "calculator_conversion.h"
#include "calculator_keys.h"
#include "unit_lookup.h"

#include <algorithm>

#include <map>
#include <sstream>
#include <stdexcept>

namespace orv::testing {

namespace {

using K = KeypadKey;

const std::map<std::string, KeypadKey>& keypadWords() {
    static const std::map<std::string, KeypadKey> words = {
        {"C", K::C},         {"CE", K::CE},    {"+/-", K::Sign},    {"/", K::Divide},  {"*", K::Multy},
        {"-", K::Minus},     {"MC", K::MC},    {"BS", K::Back},     {"+", K::Plus},    {"MR", K::MR},
        {"%", K::PerCent},   {"M-", K::MMinus}, {"1/x", K::Inv},    {"=", K::Eq},      {"M+", K::MPlus},
        {"sqrt", K::Sqrt},   {",", K::Comma},  {"0", K::Digit0},    {"1", K::Digit1},  {"2", K::Digit2},
        {"3", K::Digit3},    {"4", K::Digit4}, {"5", K::Digit5},    {"6", K::Digit6},  {"7", K::Digit7},
        {"8", K::Digit8},    {"9", K::Digit9},
    };
    return words;
}

const std::map<std::string, ScientificKey>& scienceWords() {
    using S = ScientificKey;
    static const std::map<std::string, ScientificKey> words = {
        {"sin", S::Sin}, {"cos", S::Cos}, {"tg", S::Tg},     {"arcsin", S::Arcsin}, {"arcctg", S::Arcctg},
        {"x2", S::X2},   {"x3", S::X3},   {"cbrt", S::CubeRoot}, {"ln", S::Ln},     {"n!", S::Factorial},
    };
    return words;
}

const std::map<std::string, AngleMeasure> kMeasures = {
    {"rad", AngleMeasure::Radians}, {"deg", AngleMeasure::Degrees},
    {"grad", AngleMeasure::Grads},  {"cycle", AngleMeasure::Cycles},
};

const std::map<std::string, Statistic> kStatistics = {
    {"N", Statistic::Count},          {"sum", Statistic::Sum},      {"sum2", Statistic::SumOfSquares},
    {"mean", Statistic::Mean},        {"sigman", Statistic::SigmaN}, {"sigman-1", Statistic::SigmaNm1},
};

std::string afterColon(const std::string& word) { return word.substr(word.find(':') + 1); }

} // namespace

void pressKeys(Calculator& c, std::string_view keys) {
    AngleMeasure measure = AngleMeasure::Radians;
    std::string list;
    std::istringstream words{std::string(keys)};
    std::string word;
    while (words >> word) {
        if (auto key = keypadWords().find(word); key != keypadWords().end()) {
            c.press(key->second);
        } else if (word == "^" || word == "log") {
            c.pressOperation(word == "^" ? Operation::opPower : Operation::opLogBase);
        } else if (auto function = scienceWords().find(word); function != scienceWords().end()) {
            pressScientificKey(c, function->second, measure);
        } else if (auto m = kMeasures.find(word); m != kMeasures.end()) {
            measure = m->second;
        } else if (word == "undo" || word == "redo") {
            if (!(word == "undo" ? c.undo() : c.redo())) throw std::invalid_argument("nothing to " + word);
        } else if (word == "pi") {
            pressPi(c);
        } else if (word == "list") {
            list += c.enterIntoList() + "\n";
        } else if (auto statistic = kStatistics.find(word); statistic != kStatistics.end()) {
            pressStatisticKey(c, statistic->second, list);
        } else if (word.starts_with("paste:")) {
            c.paste(inLocale(afterColon(word), c.separators()));
        } else if (word.starts_with("conv:")) {
            std::string units = afterColon(word);
            std::replace(units.begin(), units.end(), '_', ' '); // names with blanks
            const std::size_t arrow = units.find('>');
            const UnitPairLookup pair = findUnitPair(units.substr(0, arrow), units.substr(arrow + 1));
            if (pair.status != PairStatus::Found) throw std::invalid_argument("unknown units " + units);
            convertCurrentValue(c, pair.group, pair.from, pair.to);
        } else if (word.size() > 1 && word[0] == 'M' && word.find_first_not_of("0123456789", 1) == std::string::npos) {
            c.selectRegister(std::stoi(word.substr(1)));
        } else if (word.find_first_not_of("0123456789,") == std::string::npos) {
            for (char ch : word) c.press(keypadWords().at(std::string(1, ch)));
        } else {
            throw std::invalid_argument("unknown key " + word);
        }
    }
}

} // namespace orv::testing
