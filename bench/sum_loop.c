// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

/* The floor for the SUM figure: SUM(1,1E7,I*I) as a plain C loop over long double (the 80-bit
 * format the calculator computes in), printed once. Plain summation: no compensation. */
#include <stdio.h>

int main(void) {
    long double sum = 0;
    for (long long i = 1; i <= 10000000; ++i) sum += (long double)i * i;
    printf("%.15Lg\n", sum);
    return 0;
}
