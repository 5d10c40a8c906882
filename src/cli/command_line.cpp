#include "command_line.h"

#include "convert_command.h"
#include "eval_command.h"
#include "program_identity.h"

#include <functional>
#include <ostream>
#include <string_view>

namespace orv::cli {
namespace {

void printUsage(std::ostream& out) {
    out << "Usage: orvantis [OPTION]\n"
           "Without options, starts the desktop calculator.\n"
           "  --help                 show this text\n"
           "  --version              show the version\n"
           "  --convert VALUE FROM TO\n"
           "                         convert VALUE from unit FROM to unit TO (English or Russian names)\n"
           "  --units [GROUP]        list the unit groups, or the units of GROUP with their factors\n"
           "  --eval EXPR [--angle rad|deg|grad|cycle] [--var A=2.5 ...] [--digits 15|21]\n"
           "                         evaluate EXPR; EXPR - reads one expression a line from stdin\n";
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
    if (mode.starts_with("-")) {
        err << "orvantis: unknown option '" << mode << "'\n";
        printUsage(err);
        return 2;
    }
    return std::nullopt;
}

} // namespace orv::cli
