// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "function_library.h"

#include "arithmetic.h"
#include "compiled_summand.h"
#include "hyperbolic.h"
#include "parser.h"
#include "powers.h"
#include "trigonometry.h"

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

// SUM re-reads its summand's text for every index value; the body runs at least once. The terms
// are added with Neumaier's compensation, and the cancellation rule acts once, on the total
// against the largest term, and only where it can reach the shown digits: a total that cancelled
// to below a thousandth of that term. Elsewhere (and for a whole total) it keeps every digit.
Extended summation(Parser& p) {
    const std::int64_t low = summationLimit(p.ParseSum());
    p.expectSeparator();
    const std::int64_t high = summationLimit(p.ParseSum());
    p.checkSeparator();
    if (high < low) p.report(p.messages().UpperLimitMessage);
    Extended& index = variable(p.variables(), 'I');
    const IndexKeeper keeper(index);
    p.advance();
    const int start = p.Cursor;
    Extended sum = 0;
    Extended compensation = 0;
    double largestTerm = 0; // only a scale for the rule: a double's precision is plenty
    // The summand is read from the text once; plain arithmetic is then evaluated from its tree.
    std::optional<CompiledSummand> compiled;
    int end = start;
    for (std::int64_t i = low;; ++i) {
        index = static_cast<Extended>(i);
        std::optional<Extended> fast;
        if (compiled) {
            const Parser::DiagnosticMark mark = p.markDiagnostics();
            fast = compiled->evaluate(p);
            if (fast) p.Cursor = end;
            else p.rollBack(mark);
        }
        Extended term;
        if (fast) {
            term = *fast;
        } else {
            p.Cursor = start;
            term = p.ParseSum();
            if (i == low) {
                end = p.Cursor;
                compiled = CompiledSummand::compile(p.text(), start, end);
            }
        }
        // Knuth's two-sum: next + error == sum + term exactly, without a branch.
        const Extended next = sum + term;
        const Extended termPart = next - sum;
        compensation += (sum - (next - termPart)) + (term - termPart);
        sum = next;
        const double magnitude = std::fabs(static_cast<double>(term));
        if (magnitude > largestTerm) largestTerm = magnitude;
        p.countTerm();
        if (i >= high) break;
    }
    const Extended total = sum + compensation;
    // An overflowing partial sum stays infinite (or NaN) to the end.
    if (!std::isfinite(total) || !std::isfinite(sum)) fail(FailureKind::Overflow);
    constexpr Extended kShownCancellation = 1000;
    // Terms beyond a double's range have no scale here: their total stays as it is.
    if (!(std::fabs(total) * kShownCancellation < largestTerm) || std::isinf(largestTerm)) return total;
    // Whole terms below 2^64 cancel exactly: a whole total has no noise to remove.
    if (largestTerm < 2 * kTwoToThe63 && std::trunc(total) == total) return total;
    return settleToScale(total, largestTerm);
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
