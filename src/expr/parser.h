// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "expression_text.h"
#include "math_result.h"
#include "operator_rule.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// An arithmetic failure (overflow, invalid operation, division of a non-zero number by zero),
// caught by the nearest guard of the parse routines or of a function call, which reports it:
// where it arose, and in which function when a function's own computation failed.
struct ArithmeticFailure {
    ArithmeticFailure(FailureKind failureKind, int at, std::string_view name = {})
        : kind(failureKind), position(at), function(name) {}
    FailureKind kind;
    int position; // 0 for a function's own failure, until its call's guard fills it in
    std::string_view function; // empty unless a function's computation failed
};

// Ends the whole evaluation with a fixed diagnostic and the value 0 (cancellation, nesting).
struct EvaluationAbort {
    std::string Messages::*text;
};

// The evaluating recursive-descent parser: five routines sharing one cursor, no tokens and no
// tree. The function library reads its arguments through the same routines.
class Parser {
public:
    Parser(const ExpressionText& text, ExpressionVariables& variables, const EvaluationSettings& settings,
           Evaluation& result);

    Extended ParseSum();
    Extended ParseProduct();
    Extended ParseFactor();
    Extended ParseName();
    bool ParseCondition();

    // The argument separator: a missing "," is reported; the cursor moves on by one either way.
    void expectSeparator();
    // Reports a missing "," without moving the cursor (SUM's upper limit).
    void checkSeparator();

    // The character at the cursor, read through copies of the text's pointer and bound: the
    // summand of a long SUM is read millions of times.
    char current() const { return characterAt(cursor_); }
    char characterAt(int cursor) const {
        return static_cast<unsigned>(cursor) <= end_ ? characters_[cursor] : ExpressionText::kEndOfText;
    }
    void advance() { ++cursor_; }
    void report(std::string text);
    // Reports a caught failure at the position where it arose, in the language in use.
    void report(const ArithmeticFailure& failure);
    // Tells what the operator rule (operator_rule.h) found for the operator at `operatorPosition`
    // whose right operand ends before `afterOperand`: an overflow at the operator, a division by
    // zero after the divisor. Not for Done, nor for a quotient beyond the range (it is thrown).
    void reportOperatorFailure(OperatorOutcome outcome, int operatorPosition, int afterOperand);
    // The diagnostic of a missing ")", "]" or "," at the cursor.
    std::string expected(char character) const;
    const Messages& messages() const { return *settings_.messages; }
    // Records that an angle function is called; before its argument is read, so that a line
    // failing inside the argument still says the measure.
    void noteAngleMeasure() { result_.angleMeasure = settings_.angle; }

    // After the outermost expression: text left from the cursor on is reported where it begins
    // ("2^10" is no power, "2,5" no decimal), unless a diagnostic stands there already, and a
    // control character in it is a syntax error at its own position (it is not seen). Records
    // where that text begins in the evaluation.
    void reportTextAfterEnd();

    // Counts one summand term of SUM and polls the cancel callback every fraction of a millisecond.
    void countTerm() { countTerms(1); }
    // Counts `count` terms at once, as many single counts would; `count` is at most termsToPoll().
    void countTerms(std::uint64_t count) {
        terms_ += count;
        if (settings_.cancel && (termsToClockRead_ -= count) == 0) pollCancel();
    }
    // How many more terms may be counted before the next poll is due.
    std::uint64_t termsToPoll() const { return settings_.cancel ? termsToClockRead_ : UINT64_MAX; }

    ExpressionVariables& variables() { return variables_; }
    const ExpressionText& text() const { return text_; }

    const EvaluationSettings& settings() const { return settings_; }

    // Where reading stands: the position of the next character to read.
    int cursor() const { return cursor_; }
    // Moves the reading to `position`: SUM reads its summand's text again from its start for a
    // term, or goes on past it where the summand's program computed the term instead.
    void moveTo(int position) { cursor_ = position; }

private:
    Extended ParseBracket(char closing, bool integerPart);
    bool readVariable(Extended& value);
    Extended operand();
    void pollCancel();
    // The first position from the cursor on that holds more than white space; 0 when none does.
    int unreadPosition() const;
    bool reportedAt(int position) const;
    void reportAt(std::string text, int position);
    // Applies the operator at `operatorPosition` to v and w by the one rule (operator_rule.h) and
    // tells what the rule finds, the cursor standing after w; a quotient beyond the range is
    // thrown to the enclosing guard.
    void applyOperator(Operator op, Extended& v, Extended w, int operatorPosition);

    const ExpressionText& text_;
    const char* characters_;
    unsigned end_; // the sentinel's index
    ExpressionVariables& variables_;
    const EvaluationSettings& settings_;
    Evaluation& result_;
    int cursor_ = 1;
    int depth_ = 0;
    std::uint64_t terms_ = 0;
    std::uint64_t termsPerClockRead_ = 1;
    std::uint64_t termsToClockRead_ = 1;
    std::chrono::steady_clock::time_point lastClockRead_;
};

} // namespace orv
