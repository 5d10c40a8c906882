// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Random chains of + - * / over typed decimals, against exact rational arithmetic of the same
// steps: the Evaluator and the engine's guarded steps must agree bit for bit, sums of short
// decimals must be the nearest Extended to the exact decimal, and the 15 shown digits must never
// be further from the exact value than those of plain Extended arithmetic.

#include "arithmetic.h"
#include "c_locale.h"
#include "decimal_sum.h"
#include "expression.h"
#include "number_text.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace orv {
namespace {

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;

cpp_rational powerOfTen(int n) {
    cpp_int p = 1;
    for (int k = 0; k < (n < 0 ? -n : n); ++k) p *= 10;
    return n < 0 ? cpp_rational(1, p) : cpp_rational(p);
}

// A number text: digits, a "." and an "E" exponent, as the calculator shows or the user types.
cpp_rational exactOf(const std::string& text) {
    cpp_int digits = 0;
    int scale = 0, exponent = 0;
    bool negative = false, fraction = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-') negative = true;
        else if (c == '.') fraction = true;
        else if (c == 'E' || c == 'e') {
            exponent = std::atoi(text.c_str() + i + 1);
            break;
        } else {
            digits = digits * 10 + (c - '0');
            if (fraction) --scale;
        }
    }
    const cpp_rational value = cpp_rational(digits) * powerOfTen(scale + exponent);
    return negative ? -value : value;
}

// The nearest Extended to an exact decimal (a rational whose denominator divides a power of ten).
Extended nearestOf(const cpp_rational& decimal) {
    const cpp_int denominator = boost::multiprecision::denominator(decimal);
    cpp_int power = 1;
    int places = 0;
    while (power % denominator != 0) {
        power *= 10;
        ++places;
    }
    const cpp_int digits = boost::multiprecision::numerator(decimal) * (power / denominator);
    const std::string text = digits.str() + "e-" + std::to_string(places);
    return strtold_l(text.c_str(), nullptr, cLocale());
}

// A positive decimal of 1 to `maxDigits` digits whose last digit stands at 10^lowest or above.
std::string randomDecimal(std::mt19937_64& random, int maxDigits, int lowest, int highest) {
    const int count = 1 + static_cast<int>(random() % static_cast<unsigned>(maxDigits));
    std::string digits(1, static_cast<char>('1' + random() % 9));
    for (int k = 1; k < count; ++k) digits += static_cast<char>('0' + random() % 10);
    const int last = lowest + static_cast<int>(random() % static_cast<unsigned>(highest - lowest + 1));
    // digits * 10^last, written with a point where it falls inside the digits
    if (last >= 0) return digits + std::string(static_cast<std::size_t>(last), '0');
    const int point = count + last;
    if (point > 0) return digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    return "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
}

Extended typed(const std::string& text) { return strtold_l(text.c_str(), nullptr, cLocale()); }

struct Chain {
    std::vector<std::string> operands;
    std::string operators; // one fewer than the operands
};

// Left to right, as the keypad computes and as the bracketed expression text reads.
std::string expressionOf(const Chain& chain) {
    std::string text = chain.operands[0];
    for (std::size_t k = 1; k < chain.operands.size(); ++k)
        text = "(" + text + ")" + chain.operators[k - 1] + chain.operands[k];
    return text;
}

struct Results {
    Extended engine = 0, plain = 0;
    cpp_rational exact = 0;
    // A sum met a computed value that happens to be the nearest Extended to a short decimal other
    // than the exact value of the steps before it: no rule can tell it from a typed one.
    bool lookalike = false;
};

Results run(const Chain& chain) {
    Results r;
    r.engine = r.plain = typed(chain.operands[0]);
    r.exact = exactOf(chain.operands[0]);
    for (std::size_t k = 1; k < chain.operands.size(); ++k) {
        const Extended w = typed(chain.operands[k]);
        const cpp_rational exact = exactOf(chain.operands[k]);
        const Extended v = r.engine;
        const char op = chain.operators[k - 1];
        if (k > 1 && (op == '+' || op == '-')) {
            const auto d = shortDecimalOf(v);
            if (d && exactOf(std::to_string(d->digits) + "e" + std::to_string(d->exponent)) != r.exact)
                r.lookalike = true;
        }
        switch (op) {
        case '+':
            r.engine = *guardedAdd(v, w), r.plain = r.plain + w, r.exact += exact;
            break;
        case '-':
            r.engine = *guardedSubtract(v, w), r.plain = r.plain - w, r.exact -= exact;
            break;
        case '*':
            r.engine = v * w, r.plain = r.plain * w, r.exact *= exact;
            break;
        default:
            r.engine = v / w, r.plain = r.plain / w, r.exact /= exact;
            break;
        }
    }
    return r;
}

Extended evaluated(const Chain& chain) {
    ExpressionVariables variables{};
    const Evaluation e = EvaluateExpression(expressionOf(chain), variables, EvaluationSettings{});
    EXPECT_TRUE(e.diagnostics.empty()) << expressionOf(chain);
    return e.value;
}

cpp_rational shownError(Extended value, const cpp_rational& exact) {
    const cpp_rational error = exactOf(generalText(value, dotSeparators())) - exact;
    return error < 0 ? -error : error;
}

TEST(DecimalChains, SumsOfShortDecimalsAreTheNearestToTheExactDecimal) {
    std::mt19937_64 random(2826);
    int plainMissed = 0;
    for (int i = 0; i < 3000; ++i) {
        Chain chain;
        const int length = 2 + static_cast<int>(random() % 7);
        for (int k = 0; k < length; ++k) {
            // 1 to 11 digits from 10^-6 to 10^10: every partial sum has at most 17 digits.
            chain.operands.push_back(randomDecimal(random, 11, -6, -1));
            if (k > 0) chain.operators += random() % 2 ? '+' : '-';
        }
        const Results r = run(chain);
        const Extended nearest = nearestOf(r.exact);
        EXPECT_EQ(r.engine, nearest) << expressionOf(chain);
        EXPECT_EQ(evaluated(chain), r.engine) << expressionOf(chain);
        if (r.plain != nearest) ++plainMissed;
    }
    EXPECT_GT(plainMissed, 300); // plain arithmetic misses often: the test can tell them apart
}

TEST(DecimalChains, NoShownDigitIsWorseThanPlainArithmetic) {
    std::mt19937_64 random(2827);
    const char operators[] = "+-*/";
    int better = 0, worse = 0;
    for (int i = 0; i < 20000; ++i) {
        Chain chain;
        const int length = 2 + static_cast<int>(random() % 6);
        for (int k = 0; k < length; ++k) {
            // 1 to 19 digits over mixed magnitudes, 10^-12 to 10^12; a quarter of them repeat an
            // earlier operand with + or -, so that sums cancel (x - y + y)
            const bool repeat = k > 0 && random() % 4 == 0;
            chain.operands.push_back(repeat ? chain.operands[random() % chain.operands.size()]
                                            : randomDecimal(random, 19, -24, 6));
            if (k > 0) chain.operators += operators[random() % (repeat ? 2 : 4)];
        }
        const Results r = run(chain);
        EXPECT_EQ(evaluated(chain), r.engine) << expressionOf(chain);
        const cpp_rational ours = shownError(r.engine, r.exact), plain = shownError(r.plain, r.exact);
        if (ours < plain) ++better;
        if (ours <= plain) continue;
        ++worse;
        EXPECT_TRUE(r.lookalike) << expressionOf(chain) << " shows " << generalText(r.engine, dotSeparators())
                                 << ", plain " << generalText(r.plain, dotSeparators());
    }
    EXPECT_GT(better, 50); // cancelling decimal sums, where plain arithmetic shows binary noise
    EXPECT_LE(worse, 5);   // the lookalikes that cancel, a few in 20 000
}

} // namespace
} // namespace orv
