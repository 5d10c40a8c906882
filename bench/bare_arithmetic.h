// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

/* The floor of the batch figure, shared by the C program and the benchmark: a line's arithmetic
 * (numbers read with strtold, + - * /, unary minus, round brackets, long double throughout) by
 * recursive descent, without positions, diagnostics or the noise rule. C and C++ alike. */
#pragma once

#include <stdlib.h>

static long double bare_sum(const char** cursor);

static long double bare_factor(const char** cursor) {
    if (**cursor == '-') {
        ++*cursor;
        return -bare_factor(cursor);
    }
    if (**cursor == '(') {
        ++*cursor;
        const long double v = bare_sum(cursor);
        if (**cursor == ')') ++*cursor;
        return v;
    }
    char* end;
    const long double v = strtold(*cursor, &end);
    *cursor = end;
    return v;
}

static long double bare_product(const char** cursor) {
    long double v = bare_factor(cursor);
    while (**cursor == '*' || **cursor == '/') {
        const char op = *(*cursor)++;
        const long double w = bare_factor(cursor);
        v = op == '*' ? v * w : v / w;
    }
    return v;
}

static long double bare_sum(const char** cursor) {
    long double v = bare_product(cursor);
    while (**cursor == '+' || **cursor == '-') {
        const char op = *(*cursor)++;
        const long double w = bare_product(cursor);
        v = op == '+' ? v + w : v - w;
    }
    return v;
}
