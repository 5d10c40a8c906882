// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "compiled_summand.h"

#include "angle.h"
#include "characters.h"
#include "noise_free_sum.h"
#include "number_literal.h"
#include "parser.h"

#include <cmath>

namespace orv {
namespace {

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Deeper summands are rare; they are read from the text as before.
constexpr int kDeepest = 200;

} // namespace

// Reads the summand as the parser would, building nodes instead of values; gives up at anything
// outside plain arithmetic, where the parser would report something whatever the values.
class CompiledSummand::Reader {
public:
    Reader(const ExpressionText& text, int start, CompiledSummand& out) : text_(text), cursor_(start), out_(out) {}

    bool read(int end) {
        out_.root_ = sum();
        return ok_ && cursor_ == end;
    }

private:
    char current() const { return text_.at(cursor_); }

    int add(Node node) {
        out_.nodes_.push_back(node);
        return static_cast<int>(out_.nodes_.size()) - 1;
    }

    int withSteps(Kind kind, int first, const std::vector<Step>& steps) {
        if (steps.empty()) return first;
        Node node{kind};
        node.first = first;
        node.steps = static_cast<int>(out_.steps_.size());
        node.count = static_cast<int>(steps.size());
        out_.steps_.insert(out_.steps_.end(), steps.begin(), steps.end());
        return add(node);
    }

    int sum() {
        const int first = product();
        std::vector<Step> steps;
        for (char c = current(); ok_ && (c == '+' || c == '-'); c = current()) {
            const int position = cursor_++;
            const int operand = product();
            steps.push_back({c, position, cursor_, operand});
        }
        return withSteps(Kind::Sum, first, steps);
    }

    int product() {
        const int first = factor();
        std::vector<Step> steps;
        for (char c = current(); ok_ && (c == '*' || c == '/'); c = current()) {
            const int position = cursor_++;
            const int operand = factor();
            steps.push_back({c, position, cursor_, operand});
        }
        return withSteps(Kind::Product, first, steps);
    }

    int factor() {
        if (!ok_ || ++depth_ > kDeepest) return refuse();
        const int node = operand();
        --depth_;
        return node;
    }

    int operand() {
        const char c = current();
        if (c == '(') {
            ++cursor_;
            const int inner = sum();
            if (current() != ')') return refuse();
            ++cursor_;
            return inner;
        }
        if (c == '-') {
            ++cursor_;
            Node node{Kind::Negate};
            node.index = factor();
            return add(node);
        }
        if (isDigit(c)) {
            const auto value = readNumber(text_, cursor_);
            if (!value) return refuse(); // beyond the range: a failure whatever the index
            Node node{Kind::Number};
            node.value = *value;
            return add(node);
        }
        if (!isLetter(c)) return refuse();
        const int start = cursor_;
        while (isLetter(current()) || isDigit(current())) ++cursor_;
        if (current() == '(') return refuse();
        if (cursor_ == start + 1) {
            Node node{Kind::Variable};
            node.index = c - 'A';
            return add(node);
        }
        if (cursor_ != start + 2 || c != 'P' || text_.at(start + 1) != 'I') return refuse();
        Node node{Kind::Number};
        node.value = kPi;
        return add(node);
    }

    int refuse() {
        ok_ = false;
        return 0;
    }

    const ExpressionText& text_;
    int cursor_;
    CompiledSummand& out_;
    int depth_ = 0;
    bool ok_ = true;
};

std::optional<CompiledSummand> CompiledSummand::compile(const ExpressionText& text, int start, int end) {
    CompiledSummand summand;
    Reader reader(text, start, summand);
    if (!reader.read(end)) return std::nullopt;
    return summand;
}

std::optional<Extended> CompiledSummand::evaluate(Parser& parser) const {
    bool ok = true;
    const Extended value = eval(parser, root_, ok);
    if (!ok) return std::nullopt;
    return value;
}

// Each step does what the parser's routine does at that place: the same guards, the same
// reports at the same positions.
Extended CompiledSummand::eval(Parser& parser, int index, bool& ok) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    switch (node.kind) {
    case Kind::Number: return node.value;
    case Kind::Variable: return parser.variables()[static_cast<std::size_t>(node.index)];
    case Kind::Negate: return -eval(parser, node.index, ok);
    case Kind::Sum: {
        Extended value = eval(parser, node.first, ok);
        for (int i = node.steps; ok && i < node.steps + node.count; ++i) {
            const Step& step = steps_[static_cast<std::size_t>(i)];
            const Extended w = eval(parser, step.operand, ok);
            if (!ok) break;
            try {
                value = noiseFreeSum(value, step.op == '+' ? w : -w, step.position);
            } catch (const ArithmeticFailure& failure) {
                parser.report(failure); // the sum keeps its value
            }
        }
        return value;
    }
    case Kind::Product: {
        Extended value = eval(parser, node.first, ok);
        for (int i = node.steps; ok && i < node.steps + node.count; ++i) {
            const Step& step = steps_[static_cast<std::size_t>(i)];
            const Extended w = eval(parser, step.operand, ok);
            if (!ok) break;
            if (step.op == '*') {
                const Extended product = value * w;
                if (std::isfinite(product)) value = product;
                else parser.report(ArithmeticFailure{FailureKind::Overflow, step.position});
                continue;
            }
            if (w == 0) {
                parser.Cursor = step.after;
                parser.report(parser.messages().DivideByZeroMessage);
                continue;
            }
            const Extended quotient = value / w;
            // Beyond the range the reader leaves the rest of the text unread from here on.
            if (!std::isfinite(quotient)) ok = false;
            else value = quotient;
        }
        return value;
    }
    }
    ok = false;
    return 0;
}

} // namespace orv
