// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "expression_text.h"
#include "extended.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

class Parser;

// A SUM's summand read once into a short program, for the plain arithmetic that most summands
// are: numbers, one-letter variables, PI, + - * /, unary minus and round brackets. Running the
// program gives what reading the text again would give, value and diagnostics alike; the one case
// where the reader would go on from another place (a quotient beyond the range, whose failure
// leaves the text half read) is reported back, and that term is read from the text instead.
class CompiledSummand {
public:
    // The summand from `start` to `end` (where reading it once ended); empty when it holds
    // anything else, or the reading would not end at `end`.
    static std::optional<CompiledSummand> compile(const ExpressionText& text, int start, int end);

    // The summand's value, reporting through the parser as the reader would; `ok` turns false
    // when the term has to be read from the text (its diagnostics so far are then to be taken back).
    Extended run(Parser& parser, bool& ok) const;

    // Whether a term can end up read from the text: only a quotient can send it there.
    bool mayFallBack() const { return mayFallBack_; }

    // The most terms run together by runBlock.
    static constexpr int kBlock = 64;

    // The terms for the index values first, first + 1, ... (`count` of them, at most kBlock) into
    // `terms`, with every other variable as it stands, run instruction by instruction across the
    // block. Nothing is reported: false when any step of any term would report or give the term
    // back to the text, and the block is then to be run term by term.
    bool runBlock(const ExpressionVariables& variables, std::int64_t first, int count, Extended* terms) const;
    // Whether runBlock takes this program (its stack fits the block's columns).
    bool runsInBlocks() const { return stackDepth_ <= kBlockStack; }

private:
    // Programs needing a deeper stack are rare; they are read from the text as before.
    static constexpr int kStackLimit = 32;
    // Stack entries of a block: columns of kBlock values each.
    static constexpr int kBlockStack = 8;

    enum class Op : unsigned char { Push, Negate, Add, Subtract, Multiply, Divide };
    // Where an instruction takes its operand (the right one of an operator): popped off the stack,
    // or straight from a variable or a number, which saves a push for the commonest operands.
    enum class Source : unsigned char { Stack, Variable, Number };
    struct Instruction {
        Extended value = 0; // a number operand
        Op op = Op::Push;
        Source source = Source::Stack;
        unsigned char variable = 0; // a variable operand's index
        int position = 0;           // an operator's position
        int after = 0;              // the position after a divisor (where a division by zero is told)
    };
    class Reader;

    template <class Use>
    static bool withOperand(const Instruction& instruction, const ExpressionVariables& variables,
                            std::int64_t first, const Extended* column, Use use);

    std::vector<Instruction> code_;
    int stackDepth_ = 0;
    bool mayFallBack_ = false;
};

} // namespace orv
