// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// A fuzz target's corpus as an ordinary test, in a build without libFuzzer: every file of the
// folders named goes through the target's LLVMFuzzerTestOneInput once, in name order. A check
// of the target that fails ends the run by a signal, and the test fails with the input named.
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string running; // the input under way, for the line a failed check leaves

void nameTheInput(int signal) {
    const char lead[] = "failed on ";
    [[maybe_unused]] ssize_t n = ::write(2, lead, sizeof lead - 1);
    n = ::write(2, running.data(), running.size());
    n = ::write(2, "\n", 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i)
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
    // A corpus that went missing must not pass for one that passed.
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs in the folders named\n");
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const int signal : {SIGABRT, SIGILL, SIGSEGV, SIGFPE, SIGBUS})
        std::signal(signal, nameTheInput);
    for (const auto& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (!file && !file.eof()) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 2;
        }
        running = input.string();
        // libFuzzer never passes a null pointer, even for an empty input.
        const char none = 0;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.empty() ? &none : bytes.data()),
                               bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
