// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "parser.h"

#include "angle.h"
#include "characters.h"
#include "function_library.h"
#include "number_literal.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace orv {
namespace {

// The cancel callback is polled about this often while SUM runs, however long its terms take.
constexpr auto kPollPeriod = std::chrono::microseconds(500);
// Terms between two reads of the clock at most: a sudden run of slow terms is noticed soon.
constexpr std::uint64_t kMaxTermsPerClockRead = 64;

// The integer conversion fails beyond the 64-bit integer range.
constexpr Extended kIntegerLimit = kTwoToThe63;

// [x]: the greatest whole number not above x ([2.7] is 2, [-2.5] is -3, [-2] is -2); `position`
// is the "[".
Extended integerPart(Extended x, int position) {
    if (!(std::fabs(x) < kIntegerLimit)) throw ArithmeticFailure{FailureKind::Overflow, position};
    return std::floor(x);
}

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) {
        if (++depth_ > kMaxNesting) {
            --depth_;
            throw EvaluationAbort{&Messages::TooDeeplyNestedMessage};
        }
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

} // namespace

Parser::Parser(const ExpressionText& text, ExpressionVariables& variables, const EvaluationSettings& settings,
               Evaluation& result)
    : text_(text), characters_(text.data()), end_(static_cast<unsigned>(text.length())), variables_(variables),
      settings_(settings), result_(result),
      // Only a poll reads the clock again: without one, no evaluation pays for reading it.
      lastClockRead_(settings.cancel ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{}) {}

void Parser::report(std::string text) { reportAt(std::move(text), cursor_); }

void Parser::reportAt(std::string text, int position) {
    auto& list = result_.diagnostics;
    if (list.size() < kMaxDiagnostics) {
        list.push_back({std::move(text), position});
        return;
    }
    ++result_.omittedDiagnostics;
    list.back() = {std::move(text), position};
}

void Parser::report(const ArithmeticFailure& failure) {
    const Messages& messages = this->messages();
    const std::string position = std::to_string(failure.position);
    std::string text = failure.kind == FailureKind::Overflow || failure.function.empty()
                           ? fillIn(messages.OverflowAtMessage, position)
                           : fillIn(messages.InvalidArgumentAtMessage, failure.function, position);
    reportAt(std::move(text), failure.position);
}

void Parser::reportOperatorFailure(OperatorOutcome outcome, int operatorPosition, int afterOperand) {
    if (outcome == OperatorOutcome::DivisionByZero) {
        reportAt(messages().DivideByZeroMessage, afterOperand);
        return;
    }
    report(ArithmeticFailure{FailureKind::Overflow, operatorPosition});
}

std::string Parser::expected(char character) const {
    return fillIn(messages().ExpectedMessage, std::string(1, character), std::to_string(cursor_));
}

bool Parser::reportedAt(int position) const {
    return !result_.diagnostics.empty() && result_.diagnostics.back().position == position;
}

void Parser::reportTextAfterEnd() {
    const int unread = unreadPosition();
    result_.unreadPosition = unread;
    if (unread == 0) return;
    // "foo(2)": the ")" expected where the "2" stands has told of it already.
    if (characterAt(unread) != ExpressionText::kControlCharacter && !reportedAt(unread)) {
        cursor_ = unread;
        report(fillIn(messages().TextAfterExpressionMessage, std::to_string(unread)));
    }
    for (int i = unread; i < text_.length(); ++i) {
        if (characterAt(i) != ExpressionText::kControlCharacter) continue;
        // Where an operand had to start, the character has been reported already.
        if (reportedAt(i)) return;
        cursor_ = i;
        report(fillIn(messages().SyntaxErrorMessage, std::to_string(cursor_)));
        return;
    }
}

int Parser::unreadPosition() const {
    for (int i = cursor_; i < text_.length(); ++i) {
        const char c = characterAt(i);
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return i;
    }
    return 0;
}

void Parser::pollCancel() {
    // A term takes from nanoseconds (I*I) to milliseconds (a summand of a megabyte): the number
    // of terms between two reads of the clock follows their cost, so that the poll comes by time.
    const auto now = std::chrono::steady_clock::now();
    const auto since = std::max(now - lastClockRead_, std::chrono::steady_clock::duration{1});
    lastClockRead_ = now;
    const auto scaled = static_cast<std::uint64_t>(static_cast<double>(termsPerClockRead_) *
                                                   std::chrono::duration<double>(kPollPeriod) /
                                                   std::chrono::duration<double>(since));
    termsPerClockRead_ = std::clamp<std::uint64_t>(scaled, 1, kMaxTermsPerClockRead);
    termsToClockRead_ = termsPerClockRead_;
    if (settings_.cancel(terms_)) throw EvaluationAbort{&Messages::EvaluationCancelledMessage};
}

void Parser::expectSeparator() {
    checkSeparator();
    advance();
}

void Parser::checkSeparator() {
    if (current() != ',') report(expected(','));
}

inline void Parser::applyOperator(Operator op, Extended& v, Extended w, int operatorPosition) {
    const OperatorOutcome outcome = orv::applyOperator(op, v, w);
    if (outcome == OperatorOutcome::Done) return;
    if (outcome == OperatorOutcome::QuotientOverflow)
        throw ArithmeticFailure{FailureKind::Overflow, operatorPosition}; // no guard of its own
    reportOperatorFailure(outcome, operatorPosition, cursor_);
}

Extended Parser::ParseSum() {
    Extended v = ParseProduct();
    for (char c = current(); c == '+' || c == '-'; c = current()) {
        const int operatorPosition = cursor_;
        advance();
        Extended w;
        try {
            w = ParseProduct();
        } catch (const ArithmeticFailure& failure) {
            report(failure); // v keeps its value
            continue;
        }
        applyOperator(c == '+' ? Operator::Add : Operator::Subtract, v, w, operatorPosition);
    }
    return v;
}

// A one-letter variable, the commonest operand of a summand, read without the general routine
// (and without its depth count: it cannot nest).
bool Parser::readVariable(Extended& value) {
    const char c = current();
    if (!isLetter(c)) return false;
    const char next = characterAt(cursor_ + 1);
    if (isLetter(next) || isDigit(next) || next == '(') return false;
    advance();
    value = variable(variables_, c);
    return true;
}

// ParseFactor with its commonest case inlined into the product loop.
inline Extended Parser::operand() {
    Extended v;
    if (readVariable(v)) return v;
    return ParseFactor();
}

Extended Parser::ParseProduct() {
    Extended v = operand();
    for (char c = current(); c == '*' || c == '/'; c = current()) {
        const int operatorPosition = cursor_;
        advance();
        if (c == '*') {
            Extended w;
            if (!readVariable(w)) {
                try {
                    w = ParseFactor();
                } catch (const ArithmeticFailure& failure) {
                    report(failure); // v keeps its value
                    continue;
                }
            }
            applyOperator(Operator::Multiply, v, w, operatorPosition);
            continue;
        }
        // No guard of its own: a failure in the divisor reaches the enclosing one.
        const Extended d = operand();
        applyOperator(Operator::Divide, v, d, operatorPosition);
    }
    return v;
}

Extended Parser::ParseBracket(char closing, bool integer) {
    const int opening = cursor_;
    advance();
    Extended v = 0;
    try {
        v = ParseSum();
        if (integer) v = integerPart(v, opening);
    } catch (const ArithmeticFailure& failure) {
        report(failure);
        v = 0;
    }
    if (current() == closing) {
        advance();
    } else {
        report(expected(closing));
    }
    return v;
}

Extended Parser::ParseFactor() {
    Extended v;
    if (readVariable(v)) return v;
    DepthGuard depth(depth_);
    const char c = current();
    if (c == '(') return ParseBracket(')', false);
    if (c == '[') return ParseBracket(']', true);
    if (c == '-') {
        advance();
        try {
            return -ParseFactor();
        } catch (const ArithmeticFailure& failure) {
            report(failure);
            return 0;
        }
    }
    if (isDigit(c)) {
        const int start = cursor_;
        const auto value = readNumber(text_, cursor_);
        if (!value) throw ArithmeticFailure{FailureKind::Overflow, start};
        return *value;
    }
    if (isLetter(c)) return ParseName();
    report(fillIn(messages().SyntaxErrorMessage, std::to_string(cursor_)));
    return 0;
}

namespace {

// A diagnostic quotes at most this much of a name, so a pasted megabyte of letters cannot make
// every kept diagnostic a megabyte.
constexpr std::size_t kLongestQuotedName = 64;

// A name is kept up to one character past what a diagnostic quotes: no function name is nearly
// that long, and SUM would otherwise copy a pasted megabyte-long name once for every term.
constexpr int kLongestKeptName = static_cast<int>(kLongestQuotedName) + 1;

std::string quotedName(const std::string& name) {
    if (name.size() <= kLongestQuotedName) return name;
    return name.substr(0, kLongestQuotedName) + "...";
}

} // namespace

Extended Parser::ParseName() {
    const int start = cursor_;
    advance();
    for (char c = current(); isDigit(c) || isLetter(c); c = current()) advance();
    if (current() != '(' && cursor_ == start + 1) return variable(variables_, characterAt(start));

    std::string name;
    const int kept = std::min(cursor_, start + kLongestKeptName);
    name.reserve(static_cast<std::size_t>(kept - start));
    for (int i = start; i < kept; ++i) name.push_back(characterAt(i));
    if (current() != '(') {
        if (name == "PI") return kPi;
        report(fillIn(messages().WrongNameMessage, quotedName(name)));
        return 0;
    }
    advance();
    Extended v = 0;
    if (!callFunction(name, start, *this, v)) report(fillIn(messages().UnknownFunctionMessage, quotedName(name)));
    if (current() == ')') {
        advance();
    } else {
        report(expected(')'));
    }
    return v;
}

bool Parser::ParseCondition() {
    enum class Relation { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Missing };
    const auto holds = [](Extended a, Relation r, Extended b) {
        switch (r) {
        case Relation::Equal: return a == b;
        case Relation::NotEqual: return a != b;
        case Relation::Less: return a < b;
        case Relation::LessOrEqual: return a <= b;
        case Relation::Greater: return a > b;
        case Relation::GreaterOrEqual: return a >= b;
        case Relation::Missing: return false;
        }
        return false;
    };

    const Extended a = ParseSum();
    if (cursor_ == text_.length()) report(messages().UnexpectedEndMessage);
    Relation relation = Relation::Missing;
    const char c = current();
    const char next = characterAt(cursor_ + 1);
    if (c == '<' && next == '=') {
        relation = Relation::LessOrEqual;
    } else if (c == '<' && next == '>') {
        relation = Relation::NotEqual;
    } else if (c == '<') {
        relation = Relation::Less;
    } else if (c == '=') {
        relation = Relation::Equal;
    } else if (c == '>' && next == '=') {
        relation = Relation::GreaterOrEqual;
    } else if (c == '>') {
        relation = Relation::Greater;
    } else {
        report(fillIn(messages().ConditionSyntaxErrorMessage, std::to_string(cursor_)));
    }
    const bool twoCharacters = relation == Relation::LessOrEqual || relation == Relation::NotEqual ||
                               relation == Relation::GreaterOrEqual;
    cursor_ += twoCharacters ? 2 : 1;

    const Extended b = ParseSum();
    if ((relation == Relation::Less || relation == Relation::LessOrEqual) && current() == '<') {
        const Relation second = characterAt(cursor_ + 1) == '=' ? Relation::LessOrEqual : Relation::Less;
        cursor_ += second == Relation::LessOrEqual ? 2 : 1;
        const Extended c3 = ParseSum();
        return holds(a, relation, b) && holds(b, second, c3);
    }
    return holds(a, relation, b);
}

} // namespace orv
