// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "function_library.h"

#include "arithmetic.h"
#include "compiled_summand.h"
#include "decimal_sum.h"
#include "extended_bits.h"
#include "hyperbolic.h"
#include "parser.h"
#include "powers.h"
#include "trigonometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace orv {
namespace {

// The function's own failure carries no position: the call's guard knows where its name stands.
[[noreturn]] void fail(FailureKind kind) { throw ArithmeticFailure{kind, 0}; }

template <class Computation> Extended orFail(Computation compute) {
    if (const std::optional<Extended> value = compute()) return *value;
    fail(failureKind(compute));
}

// Argument readers and computations, one per function of the table.

template <std::optional<Extended> (*F)(Extended, AngleMeasure)> Extended angular(Parser& p) {
    p.noteAngleMeasure();
    const Extended x = p.ParseSum();
    const AngleMeasure angle = p.settings().angle;
    return orFail([=] { return F(x, angle); });
}

template <std::optional<Extended> (*F)(Extended)> Extended plain(Parser& p) {
    const Extended x = p.ParseSum();
    return orFail([=] { return F(x); });
}

Extended squareRoot(Parser& p) {
    const Extended x = p.ParseSum();
    if (x < 0) {
        p.report(p.settings().messages->NegativeRootMessage);
        return 0;
    }
    return std::sqrt(x);
}

Extended logarithm(Parser& p) {
    const Extended base = p.ParseSum();
    p.expectSeparator();
    const Extended x = p.ParseSum();
    return orFail([=] { return logBaseOperation(x, base); });
}

// POWER: the x^y key's power (the C library's, within one unit in the last place, exact where
// the power is representable, signed for a negative base with a whole exponent); a zero base
// gives 0 for a positive exponent and fails for a negative one.
Extended power(Parser& p) {
    const Extended base = p.ParseSum();
    p.expectSeparator();
    const Extended exponent = p.ParseSum();
    if (exponent == 0) return 1;
    if (base == 0) {
        if (exponent > 0) return 0;
        fail(FailureKind::InvalidArgument);
    }
    return orFail([=] { return Power(base, exponent); });
}

Extended absolute(Parser& p) { return std::fabs(p.ParseSum()); }

Extended sign(Parser& p) {
    const Extended x = p.ParseSum();
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}

// A SUM limit: truncated toward zero; the conversion fails beyond the 64-bit integer range.
std::int64_t summationLimit(Extended x) {
    if (!(std::fabs(x) < kTwoToThe63)) fail(FailureKind::InvalidArgument);
    return static_cast<std::int64_t>(std::trunc(x));
}

// Keeps the caller's I across the summation, also when a failure or a cancellation ends it.
class IndexKeeper {
public:
    explicit IndexKeeper(Extended& index) : index_(index), saved_(index) {}
    ~IndexKeeper() { index_ = saved_; }
    IndexKeeper(const IndexKeeper&) = delete;
    IndexKeeper& operator=(const IndexKeeper&) = delete;

private:
    Extended& index_;
    Extended saved_;
};

// SUM's running total with Neumaier's compensation, the largest term's magnitude, and what the
// terms are as decimals.
class Sums {
public:
    Extended sum = 0;
    Extended compensation = 0;
    Extended largest = 0;
    std::uint64_t count = 0;
    DecimalTally decimals;

    void add(Extended term) {
        addCompensated(sum, compensation, &term, 1);
        decimals.add(term);
        ++count;
        const Extended magnitude = std::fabs(term);
        if (magnitude > largest) largest = magnitude;
    }

    // Terms known to be finite: the largest magnitude is then found on the integer side, from the
    // bits, whose order (exponent, then significand) is the order of the magnitudes.
    void add(const Extended* terms, int termCount) {
        addCompensated(sum, compensation, terms, termCount);
        count += static_cast<std::uint64_t>(termCount);
        unsigned __int128 best = magnitudeKey(largest);
        const unsigned __int128 before = best;
        std::uint64_t fractions = 0; // nonzero once a term is no whole number below 2^63
        for (int k = 0; k < termCount; ++k) {
            const unsigned __int128 key = magnitudeKey(terms[k]);
            best = key > best ? key : best;
            fractions |= fractionBits(key);
        }
        if (fractions == 0) {
            decimals.addSmallWholes();
        } else {
            for (int k = 0; k < termCount; ++k) decimals.add(terms[k]);
        }
        if (best == before) return;
        largest = fromMagnitudeKey(best);
    }
};

// SUM re-reads its summand's text for every index value; the body runs at least once. The terms
// are added with Neumaier's compensation; where all of them are short decimals the total is the
// decimal one they add up to, as for + and -.
Extended summation(Parser& p) {
    const std::int64_t low = summationLimit(p.ParseSum());
    p.expectSeparator();
    const std::int64_t high = summationLimit(p.ParseSum());
    p.checkSeparator();
    if (high < low) p.report(p.messages().UpperLimitMessage);
    Extended& index = variable(p.variables(), 'I');
    const IndexKeeper keeper(index);
    p.advance();
    const int start = p.cursor();
    Sums sums;
    // The summand is read from the text once; plain arithmetic is then run from its program,
    // a block of terms at a time where no term of the block reports anything.
    std::optional<CompiledSummand> compiled;
    int end = start;
    Extended block[CompiledSummand::kBlock];
    int termByTerm = 1; // terms still to run one at a time: the first, and a block that reported
    for (std::int64_t i = low;; ++i) {
        if (termByTerm == 0 && compiled && compiled->runsInBlocks()) {
            // i > low here, so the count of terms left fits.
            const std::uint64_t left = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(i) + 1;
            const int count = static_cast<int>(
                std::min<std::uint64_t>({left, p.termsToPoll(), std::uint64_t{CompiledSummand::kBlock}}));
            if (compiled->runBlock(p.variables(), i, count, block)) {
                sums.add(block, count);
                p.countTerms(static_cast<std::uint64_t>(count));
                i += count - 1;
                if (i >= high) break;
                continue;
            }
            termByTerm = count;
        }
        index = static_cast<Extended>(i);
        Extended term = 0;
        if (compiled && compiled->run(p, term)) {
            p.moveTo(end);
        } else {
            p.moveTo(start);
            term = p.ParseSum();
            if (i == low && p.settings().readSummandOnce) {
                end = p.cursor();
                compiled = CompiledSummand::compile(p.text(), start, end);
            }
        }
        sums.add(term);
        p.countTerm();
        if (termByTerm > 0) --termByTerm;
        if (i >= high) break;
    }
    const Extended total = sums.decimals.total(sums.sum, sums.compensation, sums.largest, sums.count);
    // An overflowing partial sum stays infinite (or NaN) to the end.
    if (!std::isfinite(total) || !std::isfinite(sums.sum)) fail(FailureKind::Overflow);
    return total;
}

template <bool Greatest> Extended extremum(Parser& p) {
    Extended m = p.ParseSum();
    while (p.current() == ',') {
        p.advance();
        const Extended v = p.ParseSum();
        if (Greatest ? v > m : v < m) m = v;
    }
    return m;
}

Extended conditional(Parser& p) {
    const bool holds = p.ParseCondition();
    p.expectSeparator();
    const Extended a = p.ParseSum();
    p.expectSeparator();
    const Extended b = p.ParseSum();
    return holds ? a : b;
}

enum class OnFailure { Silent, ArgumentAboveOne };

struct FunctionEntry {
    std::string_view name;
    Extended (*evaluate)(Parser&);
    OnFailure onFailure = OnFailure::Silent;
};

// The lookup order; a function with two names has two rows.
constexpr std::array<FunctionEntry, 44> kFunctions{{
    {"SEC", angular<secant>},
    {"COSEC", angular<cosecant>},
    {"COS", angular<cosine>},
    {"SQRT", squareRoot},
    {"SIN", angular<sine>},
    {"TG", angular<tangent>},
    {"TAN", angular<tangent>},
    {"ARCCOS", angular<arccosine>, OnFailure::ArgumentAboveOne},
    {"ARCSIN", angular<arcsine>, OnFailure::ArgumentAboveOne},
    {"ARCTG", angular<arctangent>},
    {"ARCTAN", angular<arctangent>},
    {"ARCCOTAN", angular<arccotangent>},
    {"ARCCTG", angular<arccotangent>},
    {"EXP", plain<exponential>},
    {"LN", plain<naturalLogarithm>},
    {"LG", plain<commonLogarithm>},
    {"CTG", angular<cotangent>},
    {"COTAN", angular<cotangent>},
    {"SQR", plain<square>},
    {"LOG", logarithm},
    {"POWER", power},
    {"ABS", absolute},
    {"SH", plain<hyperbolicSine>},
    {"SINH", plain<hyperbolicSine>},
    {"CH", plain<hyperbolicCosine>},
    {"SECH", plain<hyperbolicSecant>},
    {"COSECH", plain<hyperbolicCosecant>},
    {"COSH", plain<hyperbolicCosine>},
    {"TH", plain<hyperbolicTangent>},
    {"TANH", plain<hyperbolicTangent>},
    {"COTANH", plain<hyperbolicCotangent>},
    {"CTH", plain<hyperbolicCotangent>},
    {"ARSH", plain<inverseHyperbolicSine>},
    {"ARSINH", plain<inverseHyperbolicSine>},
    {"ARCH", plain<inverseHyperbolicCosine>},
    {"ARCOSH", plain<inverseHyperbolicCosine>},
    {"ARTH", plain<inverseHyperbolicTangent>},
    {"ARTANH", plain<inverseHyperbolicTangent>},
    {"FACT", plain<factorial>},
    {"SIGN", sign},
    {"SUM", summation},
    {"MAX", extremum<true>},
    {"MIN", extremum<false>},
    {"IF", conditional},
}};

} // namespace

bool callFunction(std::string_view name, int namePosition, Parser& parser, Extended& value) {
    for (const FunctionEntry& entry : kFunctions) {
        if (entry.name != name) continue;
        try {
            value = entry.evaluate(parser);
        } catch (ArithmeticFailure failure) {
            // The rest of the arguments stay unread; the closing bracket is sought where the
            // failure left the cursor. A failure inside an argument is reported where it arose.
            const bool own = failure.position == 0;
            if (own && entry.onFailure == OnFailure::ArgumentAboveOne) {
                parser.report(parser.settings().messages->ArgumentAboveOneMessage);
            } else {
                if (own) failure = {failure.kind, namePosition, entry.name};
                parser.report(failure);
            }
            value = 0;
        }
        return true;
    }
    return false;
}

} // namespace orv
