#include "command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    // Command-line modes run before (and without) any GUI application object.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = orv::cli::runCommandLine(args, std::cin, std::cout, std::cerr)) return *status;
    std::cout << "Orvantis: the calculator window is not built yet; see --help for the command-line modes.\n";
    return 0;
}
