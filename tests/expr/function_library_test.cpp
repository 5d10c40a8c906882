// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression_rows.h"

#include <cstring>

namespace orv {
namespace {

using test::checkRows;

constexpr auto kDeg = AngleMeasure::Degrees;
constexpr auto kGrad = AngleMeasure::Grads;
constexpr auto kCycles = AngleMeasure::Cycles;

TEST(Functions, TrigonometryInEachAngleMeasure) {
    checkRows({
        {"SIN(PI/2)", "1"},
        {"SEC(0)", "1"},
        {"SEC(PI/3)", "2"},
        {"COSEC(PI/6)", "2"},
        {"SEC(2)", "-2.40299796172238"},
        {"COSEC(0)", "0", {"Invalid argument of COSEC in position 1"}},
        {"CTG(0)", "0", {"Invalid argument of CTG in position 1"}},
        {"TG(1)-TAN(1)", "0"},
        {"COTAN(1)", "0.642092615934331"},
        {"SIN(9223372036854775808)", "0"},
        {"COS(-9223372036854775808)", "0"},
        {"SEC(9223372036854775808)", "0", {"Invalid argument of SEC in position 1"}},
        {"ARCCOS(-1)", "3.14159265358979"},
        {"ARCTG(1)*4", "3.14159265358979"},
        {"ARCCOTAN(0)", "1.5707963267949"}, // the limit from the right, not 1/0
        {"ARCCTG(0)", "90", {}, kDeg},
        {"ARCCTG(-0)", "0.25", {}, AngleMeasure::Cycles},
        {"ARCCOTAN(-2)", "-0.463647609000806"},
        {"SIN(30)", "0.5", {}, kDeg},
        {"ARCSIN(1)", "90", {}, kDeg},
        {"ARCTAN(1)", "45", {}, kDeg},
        {"ARCCOTAN(-1)", "-45", {}, kDeg},
        {"ARCCTG(1)", "45", {}, kDeg},
        {"COS(90)", "0", {}, kDeg},
        {"SIN(180)", "0", {}, kDeg},
        {"TAN(90)", "0", {"Invalid argument of TAN in position 1"}, kDeg},
        {"SEC(90)", "0", {"Invalid argument of SEC in position 1"}, kDeg},
        {"COS(400)", "1", {}, kGrad},
        {"SIN(100)", "1", {}, kGrad},
        {"ARCSIN(0.5)", "33.3333333333333", {}, kGrad},
        {"COS(1)", "1", {}, kCycles},
        {"SIN(0.5)", "0", {}, kCycles},
        {"ARCCOS(-1)", "0.5", {}, kCycles},
    });
}

TEST(Functions, DomainsAndTheirMessages) {
    checkRows({
        {"SQRT(-4)", "0", {"ROOT"}},
        {"SQRT(4)", "2"},
        {"ARCSIN(1.5)", "0", {"ABOVE1"}},
        {"ARCCOS(-1.0001)", "0", {"ABOVE1"}},
        {"ARCSIN(1)", "1.5707963267949"},
        {"LN(0)", "0", {"Invalid argument of LN in position 1"}},
        {"LN(0)+5", "5", {"Invalid argument of LN in position 1"}},
        {"LN(-1)", "0", {"Invalid argument of LN in position 1"}},
        {"LG(0)", "0", {"Invalid argument of LG in position 1"}},
        {"LOG(1,5)", "0", {"Invalid argument of LOG in position 1"}},
        {"LOG(8,1)", "0"}, // log of 1 is 0 in every base: a value, not a failure
        {"LOG(2,-8)", "0", {"Invalid argument of LOG in position 1"}},
        {"LOG(-2,8)", "0", {"Invalid argument of LOG in position 1"}},
        {"LOG(2,8)", "3"},
        {"LOG(10,1000)", "3"},
        {"EXP(11357)", "0", {"Overflow in position 1"}},
        {"2*EXP(100000)", "0", {"Overflow in position 3"}},
        {"EXP(-20000)", "0"},
        {"EXP(1)", "2.71828182845905"},
        {"LN(EXP(2))", "2"},
        {"LG(0.001)", "-3"},
        {"SH(11357.3)+CH(-11357.3)", "0", {"Overflow in position 1", "Overflow in position 13"}},
        {"SH(20000)", "0", {"Overflow in position 1"}},
        {"SH(-20000)", "0", {"Overflow in position 1"}},
        {"ABS(-3)", "3"},
        {"SIGN(-0.5)", "-1"},
        {"SIGN(0)", "0"},
        {"SIGN(1E-4000)", "1"},
        {"SQR(-3)", "9"},
        {"SQR(1E3000)", "0", {"Overflow in position 1"}},
        {"SQR(1E5000)", "0", {"Overflow in position 5"}}, // the literal, not SQR
    });
}

TEST(Functions, HyperbolicFunctionsAndTheirSpecialCases) {
    checkRows({
        {"SH(1E-10)", "1E-10"},
        {"SINH(1)", "1.1752011936438"},
        {"CH(1)+COSH(1)", "3.08616126963049"},
        {"SECH(1)", "0.648054273663885"},
        {"COSECH(1)", "0.850918128239322"},
        {"COSECH(0)", "0", {"Invalid argument of COSECH in position 1"}},
        {"TH(0.5)", "0.46211715726001"},
        {"TANH(6000)", "1"},
        {"TANH(-6000)", "-1"},
        {"CTH(0)", "0", {"Invalid argument of CTH in position 1"}},
        {"COTANH(2)", "1.03731472072755"},
        {"ARSH(0)", "0"},
        {"ARSINH(-1E-12)", "-1E-12"},
        {"ARCH(0.5)", "0"},
        {"ARCOSH(2)", "1.31695789692482"},
        {"ARTH(1)", "1.1E4932"},
        {"ARTH(-2)", "-1.1E4932"},
        {"ARTANH(1E-15)", "1E-15"},
    });
}

TEST(Functions, PowerFactorialMaxMin) {
    checkRows({
        {"POWER(2,10)", "1024"},
        {"POWER(0,0)", "1"},
        {"POWER(0,-1)", "0", {"Invalid argument of POWER in position 1"}},
        {"POWER(-2,3)", "-8"},
        {"POWER(-8,1/3)", "0", {"Invalid argument of POWER in position 1"}},
        {"2+POWER(-8,0.5)", "2", {"Invalid argument of POWER in position 3"}},
        {"POWER(4,0.5)", "2"},
        {"POWER(2,-2)", "0.25"},
        {"POWER(-2,-3)", "-0.125"},
        {"POWER(3,40)", "1.21576654590569E19"},
        {"POWER(10,5000)", "0", {"Overflow in position 1"}},
        {"POWER(-1,2147483647)", "-1"},
        {"POWER(-1,2147483648)", "1"},
        {"POWER(-1,1E20)", "1"},
        {"POWER(-2,-64)", "5.42101086242752E-20"},
        {"POWER(2 3)", "8", {" Expected ',' in position 8 "}},
        {"FACT(0)", "1"},
        {"FACT(-3)", "1"},
        {"FACT(5)", "120"},
        {"FACT(2.5)", "2"},
        {"FACT(3.5)", "24"},
        {"FACT(1754)", "1.97926189010501E4930"},
        {"FACT(1755)", "0", {"Overflow in position 1"}},
        {"FACT(2000)", "0", {"Overflow in position 1"}},
        {"FACT(4294967298)", "0", {"Overflow in position 1"}},
        {"MAX(3,7,5)", "7"},
        {"MIN(3,7,5)", "3"},
        {"MAX(4)", "4"},
        {"MIN(2,-1E4000)", "-1E4000"},
    });
    ExpressionVariables variables{};
    EXPECT_EQ(EvaluateExpression("POWER(3,40)", variables).value, 12157665459056928801.0L);
    // The compensated sum keeps the digits beyond the 15 shown: within a unit or two of the
    // exact sum of the terms (0.69314218058494530942 to 21 digits).
    const Extended alternating = EvaluateExpression("SUM(1,100000,POWER(-1,I+1)/I)", variables).value;
    EXPECT_NEAR(alternating, 0.69314218058494530942L, 2 * 0x1p-64L);
}

TEST(Functions, ConditionsOfIf) {
    checkRows({
        {"IF(2>1,10,20)", "10"},
        {"IF(1=2,10,20)", "20"},
        {"IF(1<>2,1,0)", "1"},
        {"IF(2>=2,1,0)", "1"},
        {"IF(2<=1,1,0)", "0"},
        {"IF(1<1<=2,1,0)", "0"},
        {"IF(1<=1<2,1,0)", "1"},
        {"IF(1<2<2,1,0)", "0"},
        {"IF(1<=2<=2,1,0)", "1"},
        {"IF(1<2<3,1,0)", "1"},
        {"IF(3>2>1,1,0)", "1", {" Expected ',' in position 7 ", " Expected ')' in position 11 "}},
        {"IF(1<2,1,1/0)", "1", {"DIV0"}},
        {"if(0.1+0.2=0.3,1,0)", "1"},
    });
}

// A plain-arithmetic summand is read once and evaluated from its tree; "+SIGN(0)" adds nothing
// but a function, which sends the same summand through the text every time. Both must agree to
// the bit, diagnostics and their positions included.
TEST(Functions, ASummandReadOnceGivesWhatReadingItAgainGives) {
    const char* summands[] = {
        "I*I",           "1/(I*I+1.5)+2.25*I", "-I*PI-(-I)",        "1/(I-2)",          "I/0*3",
        "(1/(I*1E-4940))*2+3", "1E4000*I*1E4000", "9E4931+I*9E4931", "--I/((I))",       "A*I-A/I",
        // Terms run a block at a time: one troubled term inside a block, cancelling sums, stacks.
        "1/(I-70)",      "1E4900*1E4900/(I-99)", "I-100.5+0.1",   "-2.5*I+A",          "(I+1)*(I+2)*(I+3)-I*(I-1)",
        "-(A-I)/(3-(I*(2-(A*(1+I)))))", "I*I*I*I*I*I*I*1E560", "(((I+1)/(I+2))-((I+3)/(I+4)))*(I-A)",
        // An overflow told, then a quotient beyond the range: the term is read again from the
        // text, and what its first reading told is taken back rather than told twice.
        "1E4000*1E4000+1/(I*1E-4940)",
    };
    for (const char* summand : summands) {
        for (const char* limits : {"-3,3,", "1,5000,", "-70,130,"}) {
            ExpressionVariables once{}, again{};
            variable(once, 'A') = variable(again, 'A') = 2.5L;
            const std::string text = std::string("SUM(") + limits + summand;
            const Evaluation a = EvaluateExpression(text + ")", once);
            const Evaluation b = EvaluateExpression(text + "+SIGN(0))", again);
            EXPECT_EQ(std::memcmp(&a.value, &b.value, 10), 0) << text;
            ASSERT_EQ(a.diagnostics.size(), b.diagnostics.size()) << text;
            for (std::size_t i = 0; i < a.diagnostics.size(); ++i) {
                EXPECT_EQ(a.diagnostics[i].text, b.diagnostics[i].text) << text << " #" << i;
                EXPECT_EQ(a.diagnostics[i].position, b.diagnostics[i].position) << text << " #" << i;
            }
            EXPECT_EQ(a.omittedDiagnostics, b.omittedDiagnostics) << text;
        }
    }
}

// An operator failing in a later term of SUM (I = 3; I = 2 is fine) tells what the same text
// tells alone, at the same place in it: the same diagnostics, SUM's own 8 characters further on.
TEST(Functions, AnOperatorFailsInASummandAsInTheTextAlone) {
    const char* bodies[] = {
        "6/(I-3)*3",                 // a division by zero, told after the divisor
        "1+I*4E4931",                // a product beyond the range, a number operand
        "4E4931*I/4",                // ... a variable operand
        "-3E4931*I-4E4931+1E4932",   // a difference beyond the range
        "2+1/(1E-4940*(I-2)+(3-I))", // a quotient beyond the range, caught by the sum's guard
    };
    for (const char* body : bodies) {
        ExpressionVariables alone{}, summed{};
        variable(alone, 'I') = 3;
        const Evaluation a = EvaluateExpression(body, alone);
        const Evaluation s = EvaluateExpression(std::string("SUM(2,3,") + body + ")", summed);
        ASSERT_FALSE(a.diagnostics.empty()) << body;
        ASSERT_EQ(s.diagnostics.size(), a.diagnostics.size()) << body;
        const Messages& english = messagesFor(Language::English);
        for (std::size_t i = 0; i < a.diagnostics.size(); ++i) {
            const Diagnostic& d = a.diagnostics[i];
            EXPECT_EQ(s.diagnostics[i].position, d.position + 8) << body << " #" << i;
            // An overflow's message names its position.
            const bool overflow = d.text == fillIn(english.OverflowAtMessage, std::to_string(d.position));
            EXPECT_EQ(s.diagnostics[i].text,
                      overflow ? fillIn(english.OverflowAtMessage, std::to_string(d.position + 8)) : d.text)
                << body << " #" << i;
        }
    }
}

TEST(Functions, SumOverItsIndex) {
    checkRows({
        {"SUM(1,10,I)", "55"},
        {"SUM(1,1000000,0.1)", "100000"},
        {"SUM(1,100000,POWER(-1,I+1)/I)", "0.693142180584945"},
        {"SUM(1,3,IF(I<2,0.1,IF(I<3,0.2,-0.3)))", "0"},
        {"SUM(1,3,IF(I<2,11.12345678910737373,IF(I<3,-359000.5,359000.5)))", "11.1234567891074"},
        {"SUM(1,1000,0.001)-1", "0"},
        {"SUM(1.9,3.9,I)", "6"},
        {"SUM(-2.9,2,I)", "0"},
        {"SUM(3,1,I)", "3", {" Upper limit must be upwards of lower limit "}},
        {"SUM(1,3,SUM(1,I,1))", "6"},
        {"SUM(1,3,SUM(1,2,I)*I)", "18"},
        {"SUM(1,3,1/0)", "3", {"DIV0", "DIV0", "DIV0"}},
        {"SUM(1,2,LN(0))", "0", {"Invalid argument of LN in position 9", "Invalid argument of LN in position 9"}},
        {"SUM(1,2,9E4931)", "0", {"Overflow in position 1"}},
        {"SUM(1,1E30,1)", "0", {"Invalid argument of SUM in position 1", " Expected ')' in position 11 "}},
        {"SUM(9223372036854775806,9223372036854775807,1)", "2"},
        {"SUM(1,3 I)", "6", {" Expected ',' in position 8 "}},
    });
}

} // namespace
} // namespace orv
