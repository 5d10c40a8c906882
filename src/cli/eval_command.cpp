// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "eval_command.h"

#include "expression.h"
#include "number_text.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace orv::cli {
namespace {

constexpr int kFullDigits = kMaxGeneralDigits;

struct EvalOptions {
    std::string expression;
    EvaluationSettings settings;
    ExpressionVariables variables{};
    int digits = 15;
};

void printEvalUsage(std::ostream& err) {
    err << "Usage: orvantis --eval EXPR [--angle rad|deg|grad|cycle] [--var A=2.5 ...] [--digits 15|21]\n"
           "       orvantis --eval - [OPTIONS]   (one expression a line from standard input)\n";
}

std::optional<AngleMeasure> angleNamed(std::string_view name) {
    if (name == "rad") return AngleMeasure::Radians;
    if (name == "deg") return AngleMeasure::Degrees;
    if (name == "grad") return AngleMeasure::Grads;
    if (name == "cycle") return AngleMeasure::Cycles;
    return std::nullopt;
}

// "A=2.5": a letter, "=", a number in the dot notation.
bool setVariable(std::string_view assignment, ExpressionVariables& variables) {
    if (assignment.size() < 3 || assignment[1] != '=') return false;
    char letter = assignment[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') return false;
    const auto value = parseNumber(assignment.substr(2), dotSeparators());
    if (!value) return false;
    variable(variables, letter) = *value;
    return true;
}

// Reads the arguments after --eval; the first is the expression, taken as it is even when it
// starts with "-".
std::optional<EvalOptions> parseArguments(const std::vector<std::string>& args, std::ostream& err) {
    if (args.empty()) {
        err << "orvantis: --eval needs an expression\n";
        return std::nullopt;
    }
    EvalOptions options;
    options.expression = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            err << "orvantis: '" << option << "' needs a value or is unknown\n";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--angle") {
            const auto angle = angleNamed(value);
            if (!angle) {
                err << "orvantis: unknown angle measure '" << value << "'\n";
                return std::nullopt;
            }
            options.settings.angle = *angle;
        } else if (option == "--var") {
            if (!setVariable(value, options.variables)) {
                err << "orvantis: '" << value << "' is not LETTER=NUMBER\n";
                return std::nullopt;
            }
        } else if (option == "--digits") {
            if (value != "15" && value != "21") {
                err << "orvantis: --digits takes 15 or 21\n";
                return std::nullopt;
            }
            options.digits = value == "15" ? 15 : kFullDigits;
        } else {
            err << "orvantis: unknown option '" << option << "'\n";
            return std::nullopt;
        }
    }
    return options;
}

std::string valueText(Extended value, int digits) {
    static const Separators dot = dotSeparators();
    return generalText(value, dot, digits);
}

// Evaluates one expression and prints its value, or, when anything went wrong, its diagnostics
// on `err` and no value: a script must not take a substitute for a result. In a batch (`line`
// from 1) an empty line stands for the value, so the output stays line for line with the input,
// and each diagnostic starts with the line's number. True on failure.
bool evaluateOne(const std::string& text, EvalOptions& options, long line, std::ostream& out, std::ostream& err) {
    const Evaluation e = EvaluateExpression(text, options.variables, options.settings);
    const std::size_t count = e.diagnostics.size();
    const bool failed = !e.succeeded();
    const bool batch = line > 0;
    if (!failed) out << valueText(e.value, options.digits);
    if (!failed || batch) out << '\n';
    if (!failed) return false;
    const std::string prefix = batch ? std::to_string(line) + ": " : std::string();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + 1 == count && e.omittedDiagnostics > 0)
            err << prefix << "(" << e.omittedDiagnostics << " more diagnostics like the above)\n";
        err << prefix << e.diagnostics[i].text << '\n';
    }
    // The expression reports such a failure with its position itself; this line is for one it
    // could not place.
    if (e.escapedFailure && count == 0)
        err << prefix << "Arithmetic failure: the value is beyond the Extended range\n";
    return true;
}

} // namespace

int runEval(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    auto options = parseArguments(args, err);
    if (!options) {
        printEvalUsage(err);
        return 2;
    }
    if (options->expression != "-") return evaluateOne(options->expression, *options, 0, out, err) ? 1 : 0;

    // The input stream would flush the output before every line it reads: a write for each line.
    // The output is flushed only where the input has nothing more at hand, that is, before
    // waiting for someone typing, and the values still come out line by line to them.
    std::ostream* const tied = in.tie(nullptr);
    bool any = false;
    std::string line;
    int readError = 0;
    // Once the output fails nobody gets the rest: stop rather than evaluate it all for nothing.
    for (long number = 1; out; ++number) {
        if (!in.rdbuf() || in.rdbuf()->in_avail() <= 0) {
            out.flush();
            if (tied) tied->flush();
        }
        errno = 0;
        if (!std::getline(in, line)) {
            readError = errno;
            break;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        any = evaluateOne(line, *options, number, out, err) || any;
    }
    in.tie(tied);
    // Input that could not be read (a folder, a device error) is no empty batch: whatever was
    // evaluated before it, the run did not see all of its lines.
    if (in.bad()) {
        err << "orvantis: cannot read the input";
        if (readError != 0) err << ": " << std::strerror(readError);
        err << '\n';
        return 2;
    }
    return any ? 1 : 0;
}

} // namespace orv::cli
