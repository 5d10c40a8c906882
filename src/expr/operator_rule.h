// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "decimal_sum.h"
#include "extended.h"

#include <cmath>

namespace orv {

// The rule of + - * / in an expression, in one place. The parser applies it (applyOperator) and
// tells what it finds (Parser::reportOperatorFailure); SUM's read-once summand applies the same
// rule term by term and tells through the same parser function, and a block of terms at a time
// computes operatorValue for every term and runs the block term by term where any fails.

enum class Operator : unsigned char { Add, Subtract, Multiply, Divide };

// What an operator gives, left operand `v` and right operand `w`.
enum class OperatorOutcome : unsigned char {
    // v is now the result.
    Done,
    // + - or * beyond the range: an overflow told at the operator; v keeps its value.
    Overflow,
    // A zero divisor: told just after the divisor; v keeps its value.
    DivisionByZero,
    // A quotient beyond the range: the division has no guard of its own, so the overflow at the
    // operator goes to the enclosing guard and the rest of the product stays unread.
    QuotientOverflow,
};

// The value of v op w before any guard. It is infinite or not a number exactly where the guard
// fails (the divisor 0 included), so a block of terms may compute it for all and test after.
// A sum or a difference is the decimal one where the operands and the result are short decimals
// (0.1 + 0.2 - 0.3 is 0), and the plain Extended one otherwise (decimal_sum.h); a sum beyond the
// range stays there.
template <Operator op> inline Extended operatorValue(Extended v, Extended w) {
    if constexpr (op == Operator::Add) {
        return decimalSum(v, w, v + w);
    } else if constexpr (op == Operator::Subtract) {
        const Extended b = -w;
        return decimalSum(v, b, v + b);
    } else if constexpr (op == Operator::Multiply) {
        return v * w;
    } else {
        return v / w;
    }
}

// Applies the operator with its guard: v becomes the result, or keeps its value on a failure.
template <Operator op> inline OperatorOutcome applyOperator(Extended& v, Extended w) {
    if constexpr (op == Operator::Divide) {
        if (w == 0) return OperatorOutcome::DivisionByZero;
    }
    const Extended result = operatorValue<op>(v, w);
    if (!std::isfinite(result))
        return op == Operator::Divide ? OperatorOutcome::QuotientOverflow : OperatorOutcome::Overflow;
    v = result;
    return OperatorOutcome::Done;
}

inline OperatorOutcome applyOperator(Operator op, Extended& v, Extended w) {
    switch (op) {
    case Operator::Add: return applyOperator<Operator::Add>(v, w);
    case Operator::Subtract: return applyOperator<Operator::Subtract>(v, w);
    case Operator::Multiply: return applyOperator<Operator::Multiply>(v, w);
    case Operator::Divide: break;
    }
    return applyOperator<Operator::Divide>(v, w);
}

} // namespace orv
