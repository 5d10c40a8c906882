// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "command_line.h"

#include "convert_command.h"
#include "currency_rates_access.h"
#include "eval_command.h"
#include "program_identity.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <ostream>
#include <streambuf>
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
           "                         convert VALUE from unit FROM to unit TO (English or Russian names;\n"
           "                         currencies by ISO code too, with the kept exchange rates)\n"
           "  --units [GROUP]        list the unit groups, or the units of GROUP with their factors\n"
           "  --update-rates         fetch the chosen bank's daily exchange rates and keep them\n"
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

// Passes the output on to the caller's stream and keeps the errno of the first write that failed
// (full disk, closed pipe), before later calls can overwrite it.
class CheckedOutput final : public std::streambuf {
  public:
    explicit CheckedOutput(std::streambuf* target) : target_(target) {}
    bool failed() const { return failed_; }
    int cause() const { return cause_; }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        errno = 0;
        const bool ok = !traits_type::eq_int_type(target_->sputc(traits_type::to_char_type(c)), traits_type::eof());
        return record(ok) ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        errno = 0;
        const std::streamsize written = target_->sputn(text, count);
        record(written == count);
        return written;
    }
    int sync() override {
        errno = 0;
        return record(target_->pubsync() == 0) ? 0 : -1;
    }

  private:
    bool record(bool ok) {
        if (!ok && !failed_) {
            failed_ = true;
            cause_ = errno;
        }
        return ok;
    }

    std::streambuf* target_;
    bool failed_ = false;
    int cause_ = 0;
};

std::optional<int> runMode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                           std::ostream& err, CurrencyRatesAccess* rates) {
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
    if (mode == "--convert") return runConvert({args.begin() + 1, args.end()}, out, err, rates);
    if (mode == "--eval") return runEval({args.begin() + 1, args.end()}, in, out, err);
    if (mode == "--units") return runUnits({args.begin() + 1, args.end()}, out, err, rates);
    if (mode == "--update-rates") {
        if (args.size() > 1) {
            err << "orvantis: --update-rates takes no arguments\n";
            return 2;
        }
        if (!rates) {
            err << "orvantis: this program has no exchange rates; the desktop program fetches them\n";
            return 1;
        }
        return rates->update(out, err);
    }
    if (const auto foreign = firstForeignArgument(args)) {
        err << "orvantis: unknown option '" << *foreign << "' or a missing value\n";
        printUsage(err);
        return 2;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                                  std::ostream& err, CurrencyRatesAccess* rates) {
    CheckedOutput checkedBuffer(out.rdbuf());
    std::ostream checked(out.rdbuf() ? &checkedBuffer : nullptr);
    checked.imbue(out.getloc());
    checked.flags(out.flags());
    const auto status = runMode(args, in, checked, err, rates);
    if (!status) return std::nullopt;
    // A value that never reached its reader must not pass for success: what is still buffered
    // goes out now, so that a failure shows before the status is chosen.
    checked.flush();
    if (!checkedBuffer.failed() && !checked.fail() && !out.fail()) return status;
    out.setstate(std::ios::badbit);
    err << "orvantis: cannot write the output";
    if (checkedBuffer.cause() != 0) err << ": " << std::strerror(checkedBuffer.cause());
    err << '\n';
    return *status != 0 ? *status : 1;
}

} // namespace orv::cli
