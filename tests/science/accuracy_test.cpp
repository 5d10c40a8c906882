// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression.h"
#include "hyperbolic.h"
#include "powers.h"
#include "shown.h"
#include "trigonometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace orv {
namespace {

using test::shown;

// One row of the committed reference table (see generate_accuracy_table.py).
struct Reference {
    std::string function, measure, arguments, shownText;
    Extended nearest = 0;
    Extended distanceUlps = 0;
    bool checkUlps = true;
};

std::vector<Reference> readTable() {
    std::ifstream in(ORV_ACCURACY_TABLE);
    std::vector<Reference> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Reference r;
        std::string nearest, distance, check;
        std::getline(fields, r.function, '\t');
        std::getline(fields, r.measure, '\t');
        std::getline(fields, r.arguments, '\t');
        std::getline(fields, r.shownText, '\t');
        std::getline(fields, nearest, '\t');
        std::getline(fields, distance, '\t');
        std::getline(fields, check, '\t');
        r.nearest = std::strtold(nearest.c_str(), nullptr);
        r.distanceUlps = std::strtold(distance.c_str(), nullptr);
        r.checkUlps = check == "1";
        rows.push_back(r);
    }
    return rows;
}

AngleMeasure measureNamed(const std::string& name) {
    if (name == "deg") return AngleMeasure::Degrees;
    if (name == "grad") return AngleMeasure::Grads;
    if (name == "cycle") return AngleMeasure::Cycles;
    return AngleMeasure::Radians;
}

using Computation = std::function<std::optional<Extended>(Extended, Extended, AngleMeasure)>;

std::map<std::string, Computation> computations() {
    using Angular = std::optional<Extended> (*)(Extended, AngleMeasure);
    using Plain = std::optional<Extended> (*)(Extended);
    using Two = std::optional<Extended> (*)(Extended, Extended);
    const auto angular = [](Angular f) { return Computation([f](Extended x, Extended, AngleMeasure m) { return f(x, m); }); };
    const auto plain = [](Plain f) { return Computation([f](Extended x, Extended, AngleMeasure) { return f(x); }); };
    const auto two = [](Two f) { return Computation([f](Extended x, Extended y, AngleMeasure) { return f(x, y); }); };
    return {
        {"sin", angular(sine)},          {"cos", angular(cosine)},         {"tan", angular(tangent)},
        {"ctg", angular(cotangent)},     {"sec", angular(secant)},         {"cosec", angular(cosecant)},
        {"arcsin", angular(arcsine)},    {"arccos", angular(arccosine)},   {"arctan", angular(arctangent)},
        {"arcctg", angular(arccotangent)}, {"sh", plain(hyperbolicSine)},  {"ch", plain(hyperbolicCosine)},
        {"th", plain(hyperbolicTangent)}, {"cth", plain(hyperbolicCotangent)},
        {"sech", plain(hyperbolicSecant)}, {"cosech", plain(hyperbolicCosecant)},
        {"arsh", plain(inverseHyperbolicSine)}, {"arch", plain(inverseHyperbolicCosine)},
        {"arth", plain(inverseHyperbolicTangent)}, {"arcth", plain(inverseHyperbolicCotangent)},
        {"exp", plain(exponential)},     {"ln", plain(naturalLogarithm)},  {"lg", plain(commonLogarithm)},
        {"sqr", plain(square)},          {"cube", plain(cube)},            {"cuberoot", plain(cubeRoot)},
        {"fact", plain(factorial)},      {"power", two(powerOperation)},   {"logbase", two(logBaseOperation)},
    };
}

// The language's name of a function of the table, where it has one.
const std::map<std::string, std::string> kLanguageNames = {
    {"sin", "SIN"},   {"cos", "COS"},     {"tan", "TAN"},     {"ctg", "CTG"},       {"sec", "SEC"},
    {"cosec", "COSEC"}, {"arcsin", "ARCSIN"}, {"arccos", "ARCCOS"}, {"arctan", "ARCTAN"},
    {"arcctg", "ARCCTG"}, {"sh", "SH"},   {"ch", "CH"},       {"th", "TH"},         {"cth", "CTH"},
    {"sech", "SECH"}, {"cosech", "COSECH"}, {"arsh", "ARSH"}, {"arch", "ARCH"},     {"arth", "ARTH"},
    {"exp", "EXP"},   {"ln", "LN"},       {"lg", "LG"},       {"sqr", "SQR"},       {"fact", "FACT"},
    {"power", "POWER"},
};

const std::set<std::string> kTrigonometric = {"sin", "cos", "tan", "ctg", "sec", "cosec"};

// Units in the last place between the result and the exact value.
Extended ulpsFromExact(Extended result, const Reference& r) {
    int exponent = 0;
    std::frexp(r.nearest, &exponent);
    const Extended ulp = std::ldexp(1.0L, exponent - 64);
    return std::fabs((result - r.nearest) / ulp - r.distanceUlps);
}

TEST(Accuracy, EveryReferenceValueIsShownCorrectlyRoundedAndWithinOneOrTwoUlps) {
    const auto rows = readTable();
    ASSERT_GE(rows.size(), 300u);
    const auto table = computations();
    std::set<std::string> functions;
    for (const auto& r : rows) {
        const std::string label = r.function + " " + r.measure + " " + r.arguments;
        functions.insert(r.function);
        const auto found = table.find(r.function);
        ASSERT_NE(found, table.end()) << label;
        const auto split = r.arguments.find(';');
        const Extended x = std::strtold(r.arguments.substr(0, split).c_str(), nullptr);
        const Extended y = split == std::string::npos ? 0 : std::strtold(r.arguments.substr(split + 1).c_str(), nullptr);
        const auto value = found->second(x, y, measureNamed(r.measure));
        ASSERT_TRUE(value) << label;
        if (r.shownText != "-") {
            EXPECT_EQ(shown(*value), r.shownText) << label;
        }
        if (r.nearest == 0) {
            EXPECT_EQ(*value, 0) << label;
        } else if (std::fabs(r.nearest) < std::numeric_limits<Extended>::min()) {
            // A subnormal result: the nearest one, as its spacing is far coarser than the digits
            // the computation carries.
            EXPECT_EQ(*value, r.nearest) << label;
        } else if (r.checkUlps) {
            // Powers go through one correctly working library call, and angles in degrees, grads
            // and cycles are reduced exactly and rounded once at the end: within one unit.
            const bool roundedOnce = r.function == "power" || (kTrigonometric.count(r.function) > 0 && r.measure != "rad");
            const Extended tolerance = roundedOnce ? 1 : 2;
            EXPECT_LE(ulpsFromExact(*value, r), tolerance) << label << ": " << shown(*value);
        }

        // The language computes with the same functions: the same value, bit for bit.
        const auto name = kLanguageNames.find(r.function);
        if (name == kLanguageNames.end()) continue;
        ExpressionVariables variables{};
        EvaluationSettings settings;
        settings.angle = measureNamed(r.measure);
        std::string arguments = r.arguments;
        if (split != std::string::npos) arguments[split] = ',';
        const Evaluation e = EvaluateExpression(name->second + "(" + arguments + ")", variables, settings);
        EXPECT_TRUE(e.diagnostics.empty()) << label;
        EXPECT_EQ(e.value, *value) << label;
    }
    EXPECT_EQ(functions.size(), table.size()) << "every function appears in the table";
}

} // namespace
} // namespace orv
