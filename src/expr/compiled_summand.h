// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression_text.h"
#include "extended.h"

#include <optional>
#include <vector>

namespace orv {

class Parser;

// A SUM's summand read once into a tree, for the plain arithmetic that most summands are:
// numbers, one-letter variables, PI, + - * /, unary minus and round brackets. Evaluating the tree
// gives what reading the text again would give, value and diagnostics alike; the one case where
// the reader would go on from another place (a quotient beyond the range, whose failure leaves
// the text half read) is reported back, and that term is read from the text instead.
class CompiledSummand {
public:
    // The summand from `start` to `end` (where reading it once ended); empty when it holds
    // anything else, or the reading would not end at `end`.
    static std::optional<CompiledSummand> compile(const ExpressionText& text, int start, int end);

    // The summand's value, reporting through the parser as the reader would; empty when the term
    // has to be read from the text.
    std::optional<Extended> evaluate(Parser& parser) const;

private:
    enum class Kind : unsigned char { Number, Variable, Negate, Sum, Product };
    struct Step {
        char op;       // + - * /
        int position;  // the operator's position
        int after;     // the position after the right operand (where a division by zero is told)
        int operand;   // node index
    };
    struct Node {
        Kind kind;
        Extended value = 0; // a number
        int index = 0;      // a variable's letter, or the operand of a minus
        int first = 0;      // a sum's or product's first operand
        int steps = 0;      // where its steps start in steps_
        int count = 0;      // how many
    };
    class Reader;

    // The node's value; `ok` turns false when the term has to be read from the text.
    Extended eval(Parser& parser, int node, bool& ok) const;

    std::vector<Node> nodes_;
    std::vector<Step> steps_;
    int root_ = 0;
};

} // namespace orv
