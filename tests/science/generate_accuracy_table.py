#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
"""Writes accuracy_reference.tsv: scientific function values computed with 400-bit precision.

Each argument is first rounded to the 64-bit significand of Extended, so the reference is the
exact function of the number the program really holds. Run once with python3-mpmath; the output
is committed and read by accuracy_test.cpp.

Columns: function, measure, arguments (";" between two), the value in the 15-digit general text
form (or "-" where the exact value is too near a rounding tie to decide), the nearest Extended
value (21 digits), the exact value's distance from it in units in the last place, and 1 when the
result is checked in units in the last place (0 for a subnormal result, which holds fewer digits
and must be the nearest subnormal: no row's exact value lies near a tie of that spacing).
"""
import decimal
import random
import sys

from mpmath import mp, mpf

EXTENDED_BITS = 64
WORK_BITS = 400
LARGEST_EXTENDED = mpf(2) ** 16384
SMALLEST_NORMAL = mpf(2) ** -16382
SMALLEST_SUBNORMAL = mpf(2) ** -16445

MEASURE_FACTORS = {"rad": None, "deg": 180, "grad": 200, "cycle": 0.5}


def extended(text):
    """The Extended value nearest to a decimal text, as an exact mpf."""
    with mp.workprec(EXTENDED_BITS):
        return mpf(text)


def to_radians(x, measure):
    """The angle in radians, after the exact remainder by a full turn (no effect on the value)."""
    factor = MEASURE_FACTORS[measure]
    return x if factor is None else mp.fmod(x, 2 * factor) * mp.pi / factor


def from_radians(r, measure):
    factor = MEASURE_FACTORS[measure]
    return r if factor is None else r * factor / mp.pi


def factorial(x):
    return mp.factorial(int(mp.nint(x)))


FORWARD = {
    "sin": mp.sin, "cos": mp.cos, "tan": mp.tan, "ctg": mp.cot,
    "sec": lambda r: 1 / mp.cos(r), "cosec": lambda r: 1 / mp.sin(r),
}
INVERSE = {
    "arcsin": mp.asin, "arccos": mp.acos, "arctan": mp.atan, "arcctg": lambda x: mp.atan(1 / x),
}
PLAIN = {
    "sh": mp.sinh, "ch": mp.cosh, "th": mp.tanh, "cth": mp.coth, "sech": mp.sech, "cosech": mp.csch,
    "arsh": mp.asinh, "arch": mp.acosh, "arth": mp.atanh, "arcth": lambda x: mp.atanh(1 / x),
    "exp": mp.exp, "ln": mp.ln, "lg": mp.log10, "sqr": lambda x: x * x, "cube": lambda x: x ** 3,
    "cuberoot": lambda x: mp.sign(x) * mp.cbrt(abs(x)), "fact": factorial,
}
TWO = {"power": lambda b, e: b ** e, "logbase": lambda x, b: mp.log(x) / mp.log(b)}

ARGUMENTS = {
    ("trig", "rad"): ["0.5", "1", "2", "3", "-0.7", "1e-10", "1e-300", "100", "1000000", "1.5707963",
                      "3.14159", "1e15", "-45.25"],
    # The last three of each measure were up to 2.5 ulps off while one rounded constant took the
    # residual to radians.
    ("trig", "deg"): ["30", "45", "60", "1", "0.001", "89.999999", "179.9999", "-720.5", "1e20",
                      "123456.789", "359.99", "135", "1e-4925", "-236818.871584209987176",
                      "298.754415782718404426", "-28447.4351377220751935"],
    ("trig", "grad"): ["50", "33.3", "99.99999", "150", "1e-5", "-250", "1e18", "377.7",
                       "32150.1616789173162374", "755.061486213832613323", "551.161860937087291046"],
    ("trig", "cycle"): ["0.1", "0.125", "0.3", "0.2499999", "1e-8", "7.75", "-0.4", "1000.1",
                        "1.85245942103298208219", "-0.747481121443848084895", "-1.9900200881729465188"],
    "arcsin": ["0.5", "-0.3", "1e-10", "0.9999999999", "-0.99999999999999", "1", "0.7071", "0.01"],
    "arccos": ["0.5", "-0.3", "1e-10", "0.9999999999", "-0.99999999999999", "-1", "0.7071", "0"],
    "arctan": ["0.5", "-2", "1e-10", "1e10", "1e300", "1", "3"],
    "arcctg": ["0.5", "-2", "1e-10", "1e10", "1e300", "-1", "3"],
    "sh": ["1e-10", "0.001", "0.5", "-1", "10", "100", "11000", "-5000", "1e-300"],
    "ch": ["1e-10", "0.001", "0.5", "-1", "10", "100", "11000", "-5000"],
    "th": ["1e-10", "0.3", "-2", "20", "0.001", "-0.75"],
    "cth": ["1e-5", "0.5", "-3", "30", "0.001"],
    "sech": ["0.1", "1", "-5", "100", "1e-8", "2000", "63.9", "64.1", "11356", "-11360", "11390.5",
             "11355.5", "11390", "11400", "11401"],
    "cosech": ["0.1", "1", "-5", "100", "1e-8", "2000", "-64.1", "11356", "11370", "-11399", "11390",
               "-11390", "11400", "-11400", "11401", "-11401"],
    "arsh": ["1e-10", "0.5", "-3", "1e5", "1e20", "1e-300", "-0.001"],
    "arch": ["1.0000001", "1.5", "10", "1e15", "1e300", "1.0000000000000000001"],
    "arth": ["1e-10", "0.5", "-0.9", "0.999999999", "-1e-5", "0.1"],
    "arcth": ["1.0000001", "1.5", "-3", "1e10", "1e300", "-1.001"],
    "exp": ["1e-10", "1", "-1", "100", "-11000", "11000", "0.5", "-1e-300"],
    "ln": ["1e-300", "0.5", "1.0000001", "2", "1e4000", "0.999999"],
    "lg": ["1e-20", "0.3", "1000", "1e100", "7", "1.001"],
    "sqr": ["1.1", "-3.3", "1e2000", "123456789.123"],
    "cube": ["1.1", "-7.77", "1e-1000"],
    "cuberoot": ["2", "-2", "1e-300", "1e300", "27", "0.001", "-1000000"],
    "fact": ["5", "20", "25", "100", "170", "500", "1000", "1754", "3.5"],
    "power": ["2;0.5", "1.5;100", "10;-3", "-2;5", "2.5;-2.5", "7;0.333", "1.0001;10000", "-1.5;-3",
              "2;10", "3;40", "-2;3", "1.0009152967818200397;-730593", "2.5354905559253264613;-3",
              "-3.75;-3", "-1.875;-3", "0.999;-64", "1.7;63"],
    "logbase": ["8;2", "100;10", "2;8", "1e300;7", "0.1;3", "5;0.2"],
}


def general_text(value, digits=15):
    """The 15-digit general text form of an exact value ("1.5E20", "0.0001", "-2")."""
    if value == 0:
        return "0"
    with decimal.localcontext() as ctx:
        ctx.prec = digits
        ctx.rounding = decimal.ROUND_HALF_UP
        d = +decimal.Decimal(mp.nstr(value, 60, min_fixed=1, max_fixed=0).replace("e", "E"))
    sign, digit_tuple, exponent = d.as_tuple()
    text = "".join(map(str, digit_tuple)).rstrip("0") or "0"
    power = exponent + len(digit_tuple) - 1
    out = "-" if sign else ""
    if -4 <= power < digits:
        if power >= 0:
            integer = text[: power + 1].ljust(power + 1, "0")
            rest = text[power + 1:]
            return out + integer + ("." + rest if rest else "")
        return out + "0." + "0" * (-power - 1) + text
    return out + text[0] + ("." + text[1:] if len(text) > 1 else "") + "E" + str(power)


def ulp(value):
    if value == 0:
        return mpf(0)
    _, exponent = mp.frexp(value)
    return mp.ldexp(1, exponent - EXTENDED_BITS)


def nearest_extended(value):
    with mp.workprec(EXTENDED_BITS):
        return +value


def row(function, measure, args):
    xs = [extended(a) for a in args.split(";")]
    check_ulps = 1
    if function in FORWARD and measure != "rad" and mp.fmod(xs[0], MEASURE_FACTORS[measure] / 2) == 0:
        # A whole number of quarter turns: the exact values, not a rounded pi.
        quarters = int(mp.fmod(xs[0] / (MEASURE_FACTORS[measure] / 2), 4)) % 4
        sin, cos = [(0, 1), (1, 0), (0, -1), (-1, 0)][quarters]
        parts = {"sin": (sin, 1), "cos": (cos, 1), "tan": (sin, cos), "ctg": (cos, sin),
                 "sec": (1, cos), "cosec": (1, sin)}[function]
        if parts[1] == 0:
            return None
        exact = mpf(parts[0]) / parts[1]
    elif function in FORWARD:
        r = to_radians(xs[0], measure)
        try:
            exact = FORWARD[function](r)
        except ZeroDivisionError:
            return None  # a quarter turn: the program fails, as tested elsewhere
    elif function in INVERSE:
        exact = from_radians(INVERSE[function](xs[0]), measure)
    elif function in PLAIN:
        exact = PLAIN[function](xs[0])
    else:
        exact = TWO[function](*xs)
    if not mp.isfinite(exact) or abs(exact) > LARGEST_EXTENDED:
        return None  # a failure, tested elsewhere
    near = nearest_extended(exact)
    unit = ulp(near)
    lo = (exact - near) / unit if unit else mpf(0)
    margin = 4 * ulp(exact)
    text = general_text(exact)
    if general_text(exact - margin) != text or general_text(exact + margin) != text:
        text = "-"
    if 0 < abs(exact) < SMALLEST_NORMAL:
        text, check_ulps = "-", 0  # a subnormal holds fewer digits: checked to its own spacing
        steps = abs(exact) / SMALLEST_SUBNORMAL
        if abs(steps - mp.floor(steps) - mpf(0.5)) < mpf(0.01):
            sys.exit(f"{function} {args}: too near a tie of the subnormal spacing to be a reference")
    return [function, measure, args, text, mp.nstr(near, 21, min_fixed=1, max_fixed=0),
            mp.nstr(lo, 6, min_fixed=-10, max_fixed=10), str(check_ulps)]


def random_powers(count=60, seed=2026):
    """x^y arguments whose results spread over the whole range: whole exponents up to 10^6 (bases
    near 1, some negative) and fractional exponents with results up to the range ends."""
    rng = random.Random(seed)
    arguments = []
    for k in range(count):
        whole = k % 2 == 0
        exponent = mpf(rng.randint(65, 10**6)) if whole else mpf(rng.uniform(-400, 400))
        if exponent == 0:
            continue
        log_result = rng.uniform(-11355, 11355) if k % 3 else rng.choice([-1, 1]) * rng.uniform(11300, 11355)
        base = nearest_extended(mp.exp(mpf(log_result) / exponent))
        if not mpf(2) ** -16382 < base < LARGEST_EXTENDED:
            continue
        if whole and k % 4 == 0:
            base = -base
        exponent = nearest_extended(exponent)
        arguments.append(mp.nstr(base, 21, min_fixed=1, max_fixed=0) + ";" +
                         mp.nstr(exponent, 21, min_fixed=1, max_fixed=0))
    return arguments


def main():
    mp.prec = WORK_BITS
    ARGUMENTS["power"] += random_powers()
    rows = []
    for key, arguments in ARGUMENTS.items():
        for args in arguments:
            if isinstance(key, tuple):
                for function in FORWARD:
                    rows.append(row(function, key[1], args))
            elif key in INVERSE:
                for measure in MEASURE_FACTORS:
                    rows.append(row(key, measure, args))
            else:
                rows.append(row(key, "rad", args))
    out = sys.stdout
    out.write("# function\tmeasure\targuments\tshown\tnearest\tdistance_ulps\tcheck_ulps\n")
    for r in filter(None, rows):
        out.write("\t".join(r) + "\n")


if __name__ == "__main__":
    main()
