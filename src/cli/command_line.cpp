// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "command_line.h"

#include "convert_command.h"
#include "eval_command.h"
#include "program_identity.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string_view>

namespace orv::cli {
namespace {

void printUsage(std::ostream& out) {
    out << "Usage: orvantis [OPTION]\n"
           "Without options, or with the toolkit's own (-session ID, -style NAME, -platform NAME,\n"
           "-display DISPLAY, -reverse ...), starts the desktop calculator.\n"
           "  --help                 show this text\n"
           "  --version              show the version\n"
           "  --convert VALUE FROM TO\n"
           "                         convert VALUE from unit FROM to unit TO (English or Russian names)\n"
           "  --units [GROUP]        list the unit groups, or the units of GROUP with their factors\n"
           "  --eval EXPR [--angle rad|deg|grad|cycle] [--var A=2.5 ...] [--digits 15|21]\n"
           "                         evaluate EXPR; EXPR - reads one expression a line from stdin\n";
}

// Options the toolkit reads itself when the window starts: a session manager restarts a program
// with -session ID, users pass -style NAME or -platform NAME. Each has a single- and a
// double-dash form, and a value either as the next argument or after "=".
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"session", true},     {"style", true},        {"stylesheet", true},         {"platform", true},
    {"platformtheme", true}, {"platformpluginpath", true}, {"plugin", true},     {"display", true},
    {"geometry", true},    {"qwindowgeometry", true}, {"qwindowicon", true},     {"qwindowtitle", true},
    {"title", true},       {"name", true},         {"reverse", false},           {"widgetcount", false},
    {"nograb", false},     {"dograb", false},      {"sync", false},
};

// The first argument that is neither a toolkit option (with its value) nor a plain word, or
// nothing when the window can start with these arguments.
std::optional<std::string> firstForeignArgument(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (!arg.starts_with('-')) continue; // plain words are the window's to ignore
        arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto* option = std::find_if(std::begin(kToolkitOptions), std::end(kToolkitOptions),
                                          [&](const ToolkitOption& o) { return o.name == name; });
        if (option == std::end(kToolkitOptions)) return args[i];
        if (!option->takesValue) {
            if (equals != std::string_view::npos) return args[i];
        } else if (equals == std::string_view::npos && ++i >= args.size()) {
            return args[i - 1]; // the value is missing
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                                  std::ostream& err) {
    if (args.empty()) return std::nullopt;
    const std::string_view mode = args.front();
    if (mode == "--help" || mode == "-h") {
        printUsage(out);
        return 0;
    }
    if (mode == "--version") {
        out << "orvantis " << identity::kVersion << '\n';
        return 0;
    }
    if (mode == "--convert") return runConvert({args.begin() + 1, args.end()}, out, err);
    if (mode == "--eval") return runEval({args.begin() + 1, args.end()}, in, out, err);
    if (mode == "--units") return runUnits({args.begin() + 1, args.end()}, out, err);
    if (const auto foreign = firstForeignArgument(args)) {
        err << "orvantis: unknown option '" << *foreign << "' or a missing value\n";
        printUsage(err);
        return 2;
    }
    return std::nullopt;
}

} // namespace orv::cli
