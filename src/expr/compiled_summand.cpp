// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "compiled_summand.h"

#include "angle.h"
#include "characters.h"
#include "extended_bits.h"
#include "number_literal.h"
#include "parser.h"

#include <cmath>

namespace orv {
namespace {

// SUM's index variable: the one variable whose value changes from term to term.
constexpr unsigned char kIndex = 'I' - 'A';

// Deeper summands are rare; they are read from the text as before.
constexpr int kDeepest = 200;

} // namespace

// Reads the summand as the parser would, writing the program in the order the parser computes;
// gives up at anything outside plain arithmetic, where the parser would report something
// whatever the values.
class CompiledSummand::Reader {
public:
    Reader(const ExpressionText& text, int start, CompiledSummand& out) : text_(text), cursor_(start), out_(out) {}

    bool read(int end) {
        sum();
        return ok_ && cursor_ == end && stack_ == 1;
    }

private:
    char current() const { return text_.at(cursor_); }

    void emit(const Instruction& instruction) {
        out_.code_.push_back(instruction);
        if (instruction.op == Op::Push) grow(1);
        else if (instruction.source == Source::Stack) --stack_;
        if (instruction.op == Op::Negate) grow(1);
    }

    void grow(int by) {
        stack_ += by;
        if (stack_ > out_.stackDepth_) out_.stackDepth_ = stack_;
        if (stack_ > kStackLimit) ok_ = false;
    }

    // The operator after its right operand, whose code starts at `operandStart`: an operand that
    // is a lone number or variable is taken by the operator itself instead of being pushed.
    void emitOperator(Op op, std::size_t operandStart, int position) {
        Instruction instruction;
        instruction.op = op;
        instruction.position = position;
        instruction.after = cursor_;
        auto& code = out_.code_;
        if (code.size() == operandStart + 1 && code.back().op == Op::Push && code.back().source != Source::Stack) {
            instruction.source = code.back().source;
            instruction.value = code.back().value;
            instruction.variable = code.back().variable;
            code.pop_back();
            --stack_;
        }
        emit(instruction);
    }

    void sum() {
        product();
        for (char c = current(); ok_ && (c == '+' || c == '-'); c = current()) {
            const int position = cursor_++;
            const std::size_t operandStart = out_.code_.size();
            product();
            emitOperator(c == '+' ? Op::Add : Op::Subtract, operandStart, position);
        }
    }

    void product() {
        factor();
        for (char c = current(); ok_ && (c == '*' || c == '/'); c = current()) {
            const int position = cursor_++;
            const std::size_t operandStart = out_.code_.size();
            factor();
            emitOperator(c == '*' ? Op::Multiply : Op::Divide, operandStart, position);
        }
    }

    void factor() {
        if (!ok_ || ++depth_ > kDeepest) return refuse();
        operand();
        --depth_;
    }

    void push(Source source, Extended value, int letter = 0) {
        Instruction instruction;
        instruction.source = source;
        instruction.value = value;
        instruction.variable = static_cast<unsigned char>(letter);
        emit(instruction);
    }

    void operand() {
        const char c = current();
        if (c == '(') {
            ++cursor_;
            sum();
            if (current() != ')') return refuse();
            ++cursor_;
            return;
        }
        if (c == '-') {
            ++cursor_;
            const std::size_t operandStart = out_.code_.size();
            factor();
            auto& code = out_.code_;
            // The negation of a number is exact: it is made once, here.
            if (ok_ && code.size() == operandStart + 1 && code.back().op == Op::Push &&
                code.back().source == Source::Number) {
                code.back().value = -code.back().value;
                return;
            }
            Instruction negate;
            negate.op = Op::Negate;
            return emit(negate);
        }
        if (isDigit(c)) {
            const auto value = readNumber(text_, cursor_);
            if (!value) return refuse(); // beyond the range: a failure whatever the index
            return push(Source::Number, *value);
        }
        if (!isLetter(c)) return refuse();
        const int start = cursor_;
        while (isLetter(current()) || isDigit(current())) ++cursor_;
        if (current() == '(') return refuse();
        if (cursor_ == start + 1) return push(Source::Variable, 0, c - 'A');
        if (cursor_ != start + 2 || c != 'P' || text_.at(start + 1) != 'I') return refuse();
        push(Source::Number, kPi);
    }

    void refuse() { ok_ = false; }

    const ExpressionText& text_;
    int cursor_;
    CompiledSummand& out_;
    int depth_ = 0;
    int stack_ = 0;
    bool ok_ = true;
};

std::optional<CompiledSummand> CompiledSummand::compile(const ExpressionText& text, int start, int end) {
    CompiledSummand summand;
    Reader reader(text, start, summand);
    if (!reader.read(end)) return std::nullopt;
    return summand;
}

// Each operator applies the parser's rule, in the order the parser computes. What the rule finds
// is kept and told once the term is done, so that a term given back has told nothing.
bool CompiledSummand::run(Parser& parser, Extended& term) const {
    // A term that would tell more than this is read from the text.
    constexpr int kMostFound = 8;
    struct Found {
        OperatorOutcome outcome;
        const Instruction* at;
    };
    Found found[kMostFound];
    int foundCount = 0;
    Extended stack[kStackLimit];
    int top = 0; // entries on the stack
    const ExpressionVariables& variables = parser.variables();
    for (const Instruction& instruction : code_) {
        Extended w;
        switch (instruction.source) {
        case Source::Stack: w = stack[--top]; break;
        case Source::Variable: w = variables[instruction.variable]; break;
        default: w = instruction.value; break; // Source::Number
        }
        if (instruction.op == Op::Push) {
            stack[top++] = w;
            continue;
        }
        if (instruction.op == Op::Negate) {
            stack[top++] = -w;
            continue;
        }
        const OperatorOutcome outcome = applyOperator(static_cast<Operator>(instruction.op), stack[top - 1], w);
        if (outcome == OperatorOutcome::Done) continue;
        // Beyond the range the reader leaves the rest of the text unread from here on.
        if (outcome == OperatorOutcome::QuotientOverflow || foundCount == kMostFound) return false;
        found[foundCount++] = {outcome, &instruction};
    }
    for (int k = 0; k < foundCount; ++k)
        parser.reportOperatorFailure(found[k].outcome, found[k].at->position, found[k].at->after);
    term = stack[0];
    return true;
}

namespace {

// One operator across a block: out[k] = left(k) op right(k) for each term k, by the rule's value;
// false when the rule's guard fails for any term, found by one scan after the loop.
template <Operator op, class Left, class Right>
bool operatorColumn(Extended* out, Left left, Right right, int count) {
    for (int k = 0; k < count; ++k) out[k] = operatorValue<op>(left(k), right(k));
    return !anyNonFinite(out, count);
}

// One instruction across a block (Push and Negate take right(k) alone). False when a term's step
// would report or fail.
template <class Left, class Right>
bool runColumn(unsigned char op, Extended* out, Left left, Right right, int count) {
    switch (op) {
    case 0: return operatorColumn<Operator::Add>(out, left, right, count);
    case 1: return operatorColumn<Operator::Subtract>(out, left, right, count);
    case 2: return operatorColumn<Operator::Multiply>(out, left, right, count);
    case 3: return operatorColumn<Operator::Divide>(out, left, right, count);
    case 4: // Push
        for (int k = 0; k < count; ++k) out[k] = right(k);
        return true;
    default: // Negate
        for (int k = 0; k < count; ++k) out[k] = -right(k);
        return true;
    }
}

} // namespace

// Calls `use` with the instruction's operand as a function of the term: a column of the stack,
// the index, or one value for the whole block.
template <class Use>
bool CompiledSummand::withOperand(const Instruction& instruction, const ExpressionVariables& variables,
                                  std::int64_t first, const Extended* column, Use use) {
    if (instruction.source == Source::Stack) return use([column](int k) { return column[k]; });
    // The index values are exact: a 64-bit integer fits the significand.
    if (instruction.source == Source::Variable && instruction.variable == kIndex)
        return use([first](int k) { return static_cast<Extended>(first + k); });
    const Extended w =
        instruction.source == Source::Number ? instruction.value : variables[instruction.variable];
    return use([w](int) { return w; });
}

bool CompiledSummand::runBlock(const ExpressionVariables& variables, std::int64_t first, int count,
                               Extended* terms) const {
    static_assert(static_cast<int>(Op::Add) == static_cast<int>(Operator::Add) &&
                  static_cast<int>(Op::Subtract) == static_cast<int>(Operator::Subtract) &&
                  static_cast<int>(Op::Multiply) == static_cast<int>(Operator::Multiply) &&
                  static_cast<int>(Op::Divide) == static_cast<int>(Operator::Divide) &&
                  static_cast<int>(Op::Push) == 4 && static_cast<int>(Op::Negate) == 5);
    // The program's result lands in its first stack entry: that column is `terms` itself.
    Extended columns[kBlockStack - 1][kBlock];
    Extended* stack[kBlockStack] = {terms};
    for (int j = 1; j < kBlockStack; ++j) stack[j] = columns[j - 1];
    int top = 0;
    for (std::size_t n = 0; n < code_.size(); ++n) {
        const Instruction& instruction = code_[n];
        const auto op = static_cast<unsigned char>(instruction.op);
        bool fine = true;
        const Instruction* next = n + 1 < code_.size() ? &code_[n + 1] : nullptr;
        if (instruction.op == Op::Push && next && next->source != Source::Stack && next->op != Op::Push &&
            next->op != Op::Negate) {
            // A pushed operand that the next operator takes at once is never written: one column
            // pass instead of two.
            Extended* out = stack[top++];
            const auto nextOp = static_cast<unsigned char>(next->op);
            fine = withOperand(instruction, variables, first, nullptr, [&](auto left) {
                return withOperand(*next, variables, first, nullptr,
                                   [&](auto right) { return runColumn(nextOp, out, left, right, count); });
            });
            ++n;
        } else {
            const Extended* column = instruction.source == Source::Stack ? stack[--top] : nullptr;
            const bool pushes = instruction.op == Op::Push || instruction.op == Op::Negate;
            Extended* out = pushes ? stack[top++] : stack[top - 1];
            fine = withOperand(instruction, variables, first, column, [&](auto right) {
                return runColumn(op, out, [out](int k) { return out[k]; }, right, count);
            });
        }
        if (!fine) return false;
    }
    return true;
}

} // namespace orv
