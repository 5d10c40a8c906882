// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "expression_text.h"
#include "extended.h"
#include "operator_rule.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

class Parser;

// A SUM's summand read once into a short program, for the plain arithmetic that most summands
// are: numbers, one-letter variables, PI, + - * /, unary minus and round brackets. Its operators
// follow the parser's rule (operator_rule.h), and what the rule finds is told through the parser,
// so running the program gives what reading the text again would give, value and diagnostics
// alike. The one case where the reader would go on from another place (a quotient beyond the
// range, whose failure leaves the text half read) gives the term back to be read from the text.
class CompiledSummand {
public:
    // The summand from `start` to `end` (where reading it once ended); empty when it holds
    // anything else, or the reading would not end at `end`.
    static std::optional<CompiledSummand> compile(const ExpressionText& text, int start, int end);

    // The summand's value into `term`, with the parser's variables, telling what its operators
    // find through the parser once the term is done. False, with nothing told, when the term is to
    // be read from the text instead.
    bool run(Parser& parser, Extended& term) const;

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

    // The operators first, as Operator numbers them.
    enum class Op : unsigned char { Add, Subtract, Multiply, Divide, Push, Negate };
    // Where an instruction takes its operand (the right one of an operator): popped off the stack,
    // or straight from a variable or a number, which saves a push for the commonest operands.
    enum class Source : unsigned char { Stack, Variable, Number };
    struct Instruction {
        Extended value = 0; // a number operand
        Op op = Op::Push;
        Source source = Source::Stack;
        unsigned char variable = 0; // a variable operand's index
        int position = 0;           // an operator's position
        int after = 0;              // the position after its right operand (a division by zero is told there)
    };
    class Reader;

    template <class Use>
    static bool withOperand(const Instruction& instruction, const ExpressionVariables& variables,
                            std::int64_t first, const Extended* column, Use use);

    std::vector<Instruction> code_;
    int stackDepth_ = 0;
};

} // namespace orv
