// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "angle.h"
#include "shown.h"
#include "trigonometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orv {
namespace {

using test::shown;

TEST(AngleConstants, AreTheNearestExtendedValuesExceptRadiansToGrads) {
    // 21-digit literals name the values; 25-digit ones round to the nearest Extended.
    EXPECT_EQ(kPi, 3.141592653589793238462643L);
    EXPECT_EQ(kDegreesToRadians, 0.01745329251994329576923691L);
    EXPECT_EQ(kRadiansToDegrees, 57.29577951308232087679815L);
    EXPECT_EQ(kGradsToRadians, 0.01570796326794896619231322L);
    EXPECT_EQ(kTwoPi, 6.283185307179586476925287L);
    EXPECT_EQ(std::nextafter(kRadiansToGrads, 100.0L), 63.66197723675813430755351L);
}

struct ConversionRow {
    AngleMeasure measure;
    Extended angle;
    const char* radians;
};

TEST(AngleConversion, ToRadiansAndBack) {
    const ConversionRow rows[] = {
        {AngleMeasure::Radians, 2, "2"},
        {AngleMeasure::Degrees, 180, "3.14159265358979"},
        {AngleMeasure::Grads, 100, "1.5707963267949"},
        {AngleMeasure::Cycles, 0.5, "3.14159265358979"},
    };
    for (const auto& row : rows) {
        const Extended r = MakeRadOnly(row.angle, row.measure);
        EXPECT_EQ(shown(r), row.radians) << static_cast<int>(row.measure);
        EXPECT_EQ(shown(MakeFromRad(r, row.measure)), shown(row.angle)) << static_cast<int>(row.measure);
    }
}

using AngleFunction = std::optional<Extended> (*)(Extended, AngleMeasure);

struct TrigRow {
    const char* name;
    AngleFunction f;
    AngleMeasure measure;
    Extended x;
    const char* expected;           // "failure" for an arithmetic failure
    bool exact = false;             // the value must be exactly the expected one
    const char* nearest = nullptr;  // or exactly the Extended nearest to this longer decimal
};

TEST(Trigonometry, QuarterTurnsAreExactAndOtherValuesRoundWell) {
    const auto deg = AngleMeasure::Degrees;
    const auto grad = AngleMeasure::Grads;
    const auto cyc = AngleMeasure::Cycles;
    const auto rad = AngleMeasure::Radians;
    // sqrt(2)/2 to 40 digits: std::stold rounds it to the nearest Extended.
    const char* kHalfRootTwo = "0.7071067811865475244008443621048490392848";
    const char* kMinusHalfRootTwo = "-0.7071067811865475244008443621048490392848";
    const TrigRow rows[] = {
        {"cos 90 deg", cosine, deg, 90, "0", true},
        {"sin 180 deg", sine, deg, 180, "0", true},
        {"sin -180 deg", sine, deg, -180, "0", true},
        {"cos 270 deg", cosine, deg, 270, "0", true},
        {"sin 450 deg", sine, deg, 450, "1", true},
        {"cos 400 grad", cosine, grad, 400, "1", true},
        {"sin 100 grad", sine, grad, 100, "1", true},
        {"sin 0.5 cycle", sine, cyc, 0.5, "0", true},
        {"sin 0.25 cycle", sine, cyc, 0.25, "1", true},
        {"cos 1 cycle", cosine, cyc, 1, "1", true},
        {"sin 1e30 deg", sine, deg, 1e30L, "-0.743144825477394"},
        {"tan 90 deg", tangent, deg, 90, "failure"},
        {"tan -270 deg", tangent, deg, -270, "failure"},
        {"tan 45 deg", tangent, deg, 45, "1", true},
        {"tan 135 deg", tangent, deg, 135, "-1", true},
        {"tan 50 grad", tangent, grad, 50, "1", true},
        {"tan 0.125 cycle", tangent, cyc, 0.125L, "1", true},
        {"ctg 225 deg", cotangent, deg, 225, "1", true},
        {"ctg 90 deg", cotangent, deg, 90, "0", true},
        {"ctg 0", cotangent, rad, 0, "failure"},
        {"ctg 180 deg", cotangent, deg, 180, "failure"},
        {"sin 30 deg", sine, deg, 30, "0.5", true},
        {"sin 150 deg", sine, deg, 150, "0.5", true},
        {"sin -210 deg", sine, deg, -210, "0.5", true},
        {"cos 60 deg", cosine, deg, 60, "0.5", true},
        {"cos 300 deg", cosine, deg, 300, "0.5", true},
        {"sec 60 deg", secant, deg, 60, "2", true},
        {"cosec 30 deg", cosecant, deg, 30, "2", true},
        {"sin 45 deg", sine, deg, 45, "0.707106781186548", false, kHalfRootTwo},
        {"cos 45 deg", cosine, deg, 45, "0.707106781186548", false, kHalfRootTwo},
        {"cos 135 deg", cosine, deg, 135, "-0.707106781186548", false, kMinusHalfRootTwo},
        {"sin 50 grad", sine, grad, 50, "0.707106781186548", false, kHalfRootTwo},
        {"cos 0.125 cycle", cosine, cyc, 0.125L, "0.707106781186548", false, kHalfRootTwo},
        {"sin -0.125 cycle", sine, cyc, -0.125L, "-0.707106781186548", false, kMinusHalfRootTwo},
        {"sin pi/2", sine, rad, kPi / 2, "1"},
        {"sin 2^63", sine, rad, 9223372036854775808.0L, "0", true},
        {"cos -2^64", cosine, rad, -18446744073709551616.0L, "0", true},
        {"tan 2^63", tangent, rad, 9223372036854775808.0L, "failure"},
        {"sec 0", secant, rad, 0, "1"},
        {"sec pi/3", secant, rad, kPi / 3, "2"},
        {"cosec pi/6", cosecant, rad, kPi / 6, "2"},
        {"sec 2", secant, rad, 2, "-2.40299796172238"},
        {"sec 90 deg", secant, deg, 90, "failure"},
        {"cosec 0", cosecant, rad, 0, "failure"},
        {"cosec 2^63", cosecant, rad, 9223372036854775808.0L, "failure"},
        {"arcsin 1 deg", arcsine, deg, 1, "90", true},
        {"arcsin -1 grad", arcsine, grad, -1, "-100", true},
        {"arccos -1 rad", arccosine, rad, -1, "3.14159265358979"},
        {"arccos -1 cycle", arccosine, cyc, -1, "0.5", true},
        {"arccos 0 deg", arccosine, deg, 0, "90", true},
        {"arcsin 1.5", arcsine, rad, 1.5L, "failure"},
        {"arcsin 0.5 deg", arcsine, deg, 0.5L, "30"},
        {"arctan 1 deg", arctangent, deg, 1, "45", true},
        {"arccotan -1 deg", arccotangent, deg, -1, "-45", true},
        {"arccotan 0", arccotangent, rad, 0, "1.5707963267949"}, // the limit from the right
        {"arccotan 0 deg", arccotangent, deg, 0, "90", true},
        {"arccotan -2 rad", arccotangent, rad, -2, "-0.463647609000806"},
    };
    for (const auto& row : rows) {
        const auto value = row.f(row.x, row.measure);
        EXPECT_EQ(shown(value), row.expected) << row.name;
        if (row.nearest && value) {
            EXPECT_EQ(*value, std::stold(row.nearest)) << row.name;
        }
        if (row.exact && value) {
            EXPECT_EQ(*value, std::stold(row.expected)) << row.name;
            EXPECT_FALSE(*value == 0 && std::signbit(*value)) << row.name << " gives a negative zero";
        }
    }
}

} // namespace
} // namespace orv
