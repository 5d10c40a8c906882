// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

/* The floor for the batch figure: what plain C does with the same input. Reads standard input a
 * line at a time (fgets), evaluates each line's arithmetic (numbers read with strtold, + - * /,
 * unary minus, round brackets, long double throughout) by recursive descent, and prints the value
 * with printf("%.15Lg\n"). No diagnostics, no positions, no noise rule: only the bare work. */
#include <stdio.h>
#include <stdlib.h>

static const char* cursor;

static long double sum(void);

static long double factor(void) {
    if (*cursor == '-') {
        ++cursor;
        return -factor();
    }
    if (*cursor == '(') {
        ++cursor;
        const long double v = sum();
        if (*cursor == ')') ++cursor;
        return v;
    }
    char* end;
    const long double v = strtold(cursor, &end);
    cursor = end;
    return v;
}

static long double product(void) {
    long double v = factor();
    while (*cursor == '*' || *cursor == '/') {
        const char op = *cursor++;
        const long double w = factor();
        v = op == '*' ? v * w : v / w;
    }
    return v;
}

static long double sum(void) {
    long double v = product();
    while (*cursor == '+' || *cursor == '-') {
        const char op = *cursor++;
        const long double w = product();
        v = op == '+' ? v + w : v - w;
    }
    return v;
}

int main(void) {
    char line[4096];
    while (fgets(line, sizeof line, stdin)) {
        cursor = line;
        printf("%.15Lg\n", sum());
    }
    return 0;
}
