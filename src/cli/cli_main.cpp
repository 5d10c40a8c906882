// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    // Unsynchronised with C's streams, the C++ ones buffer on their own: a line of a batch costs no
    // call into the C library for every character.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto status = orv::cli::runCommandLine(args, std::cin, std::cout, std::cerr);
    if (!status) {
        std::cerr << "orvantis-cli: give a command-line mode; see --help\n";
        return 2;
    }
    return *status;
}
