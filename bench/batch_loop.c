// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

/* The floor for the batch figure: what plain C does with the same input. Reads standard input a
 * line at a time (fgets), evaluates each line's arithmetic (bare_arithmetic.h) and prints the value
 * with printf("%.15Lg\n"): only the bare work. */
#include "bare_arithmetic.h"

#include <stdio.h>

int main(void) {
    char line[4096];
    while (fgets(line, sizeof line, stdin)) {
        const char* cursor = line;
        printf("%.15Lg\n", bare_sum(&cursor));
    }
    return 0;
}
