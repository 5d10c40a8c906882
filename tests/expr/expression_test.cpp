// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "diagnostic_list.h"
#include "evaluation_tape.h"
#include "expression_rows.h"
#include "tape_line.h"
#include "variable_text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace orv {
namespace {

using test::checkRows;

TEST(Parser, OperandsOperatorsAndWhereTheExpressionEnds) {
    checkRows({
        {"", "0", {"Syntax error in position 1"}},
        {"2+3", "5"},
        {"2 + 3", "2", {"Text after the expression in position 3"}},
        {"2 3", "2", {"Text after the expression in position 3"}},
        {"2x", "2", {"Text after the expression in position 2"}},
        {"2)+5", "2", {"Text after the expression in position 2"}},
        {"2>1", "2", {"Text after the expression in position 2"}},
        {"+2", "2", {"Syntax error in position 1"}},
        {".5", "0", {"Syntax error in position 1"}},
        {"5.", "5"},
        {"1,5", "1", {"Text after the expression in position 2"}},
        {"2e3", "2000"},
        {"2E-2", "0.02"},
        {"1.5E)", "1.5", {"Text after the expression in position 5"}},
        {"12345678901234567890123", "1.23456789012346E22"},
        {"0.000000000000000000000000000000123", "1.23E-31"},
        {"--3", "3"},
        {"2*-3", "-6"},
        {"-2*3", "-6"},
        {"2-3-4", "-5"},
        {"12/4/3", "1"},
        {"1+2*3", "7"},
        {"7/0", "7", {"DIV0"}},
        {"0/0", "0", {"DIV0"}},
        {"7/-0", "7", {"DIV0"}},
        {"[2.7]", "2"},
        {"[-2.5]", "-3"},
        {"[-2]", "-2"},
        {"[0]", "0"},
        {"pi", "3.14159265358979"},
        {"Pi", "3.14159265358979"},
        {"PI", "3.14159265358979"},
        {"e", "0"},
        {"sqrt(16)+max(1,2)", "6"},
    });
}

TEST(Parser, TheEndOfTheExpressionAndControlCharacters) {
    struct EndRow {
        std::string text;
        int unread; // where the text the expression did not take begins
        std::vector<std::string> diagnostics;
    };
    const std::string after = "Text after the expression in position ";
    const EndRow rows[] = {
        {"2+3", 0, {}},
        {"2+3  \t\r\n", 0, {}},
        {"2 3", 3, {after + "3"}},
        {"2^0.5", 2, {after + "2"}},
        {"2)+5", 2, {after + "2"}},
        {"1+\x01", 3, {"Syntax error in position 3"}},
        {std::string("2\0*3", 4), 2, {"Syntax error in position 2"}},
        {"2 \x7f", 3, {"Syntax error in position 3"}},
        {"2+3 \x1b[0m", 5, {"Syntax error in position 5"}},
        {"1\xC2\x85", 2, {"Syntax error in position 2"}}, // C1 NEXT LINE
        {"1ж\x01", 2, {after + "2", "Syntax error in position 3"}}, // positions count characters
        {"2\t*3", 3, {after + "3"}},                                // tab, CR, LF end it as a blank does
    };
    for (const EndRow& row : rows) {
        ExpressionVariables variables{};
        const Evaluation e = EvaluateExpression(row.text, variables);
        EXPECT_EQ(e.unreadPosition, row.unread) << row.text;
        std::vector<std::string> got;
        for (const Diagnostic& d : e.diagnostics) got.push_back(d.text);
        EXPECT_EQ(got, row.diagnostics) << row.text;
        EXPECT_EQ(e.succeeded(), row.diagnostics.empty()) << row.text;
    }
}

TEST(Parser, DiagnosticsWithTheirPositionsAndCursorEffects) {
    checkRows({
        {"(1+2", "3", {" Expected ')' in position 5 "}},
        {"sin(1", "0.841470984807897", {" Expected ')' in position 6 "}},
        {"[1", "1", {" Expected ']' in position 3 "}},
        {"ab+1", "1", {"AB is wrong name "}},
        {"A1", "0", {"A1 is wrong name "}},
        {"foo(2)", "0", {" Unknown function FOO ", " Expected ')' in position 5 "}},
        {"(1+ab", "1", {"AB is wrong name ", " Expected ')' in position 6 "}},
        {"log(2",
         "0",
         {" Expected ',' in position 6 ", "Syntax error in position 7", "Invalid argument of LOG in position 1",
          " Expected ')' in position 7 "}},
        {"IF(1,2,3)",
         "0",
         {" Syntax error in position 5 ", " Expected ',' in position 9 ", "Syntax error in position 10",
          " Expected ')' in position 10 "}},
        {"IF(1",
         "0",
         {" Unexpected end of expression ", " Syntax error in position 5 ", "Syntax error in position 6",
          " Expected ',' in position 6 ", "Syntax error in position 7", " Expected ',' in position 7 ",
          "Syntax error in position 8", " Expected ')' in position 8 "}},
        {"SINUS(1)", "0", {" Unknown function SINUS ", " Expected ')' in position 7 "}},
        {"SQR(3", "9", {" Expected ')' in position 6 "}},
        {"PI(1)", "0", {" Unknown function PI ", " Expected ')' in position 4 "}},
        {"x(1)", "0", {" Unknown function X ", " Expected ')' in position 3 "}},
        // Positions count characters: the Cyrillic letter is one, though two bytes.
        {"(ж", "0", {"Syntax error in position 2", " Expected ')' in position 2 "}},
        {"LOG(2ж3", "1.58496250072116", {" Expected ',' in position 6 ", " Expected ')' in position 8 "}},
        {"1+π", "1", {"Syntax error in position 3"}},
    });
}

TEST(Parser, ArithmeticFailuresAreCaughtByTheNearestGuard) {
    checkRows({
        {"1+1E5000", "1", {"Overflow in position 3"}},
        {"2*1E4000*1E4000", "2E4000", {"Overflow in position 9"}},
        {"1E4000*1E4000", "1E4000", {"Overflow in position 7"}},
        {"(1E4000*1E4000)", "1E4000", {"Overflow in position 8"}},
        {"(1E5000)", "0", {"Overflow in position 2"}},
        {"-1E5000", "0", {"Overflow in position 2"}},
        {"2+1/1E-4940", "2", {"Overflow in position 4"}},
        {"-(1/1E-4940)", "0", {"Overflow in position 4"}},
        {"1/1E-4000", "1E4000"},
        {"[1E30]", "0", {"Overflow in position 1"}},
        {"[9223372036854775808]", "0", {"Overflow in position 1"}},
        {"[9223372036854775807]", "9.22337203685478E18"},
        {"[1E18]", "1E18"},
        {"18446744073709551616", "1.84467440737096E19"},
        {"3-SQR(1E3000)", "3", {"Overflow in position 3"}},
        {"1E5000", "0", {"Overflow in position 1"}}, // escapes every guard
        {"1/1E-4940", "0", {"Overflow in position 2"}},
        // The left operand keeps its value whatever fails: the right operand or the operator.
        {"2*1E5000", "2", {"Overflow in position 3"}},
        {"-9E4931-9E4931", "-9E4931", {"Overflow in position 8"}},
        {"1E4000*1E4000*2/0", "2E4000", {"Overflow in position 7", "DIV0"}},
        {"6/0/2", "3", {"DIV0"}},
    });
}

TEST(Parser, AFailureOutsideEveryGuardGivesZero) {
    ExpressionVariables variables{};
    for (const char* text : {"1E5000", "1/1E-4940"}) {
        const Evaluation e = EvaluateExpression(text, variables);
        EXPECT_TRUE(e.escapedFailure) << text;
        EXPECT_EQ(e.value, 0) << text;
    }
    EXPECT_FALSE(EvaluateExpression("1E4000", variables).escapedFailure);
}

TEST(Parser, SumsOfDecimalsAreDecimalAndEveryOtherSumKeepsItsDigits) {
    checkRows({
        {"11.12345678910737373-359000.5+359000.5", "11.1234567891074"},
        {"4611686018427387904.5-4611686018427387904", "0.5"},
        {"1.1+2.2", "3.3"},
        {"1.1+2.2-3.3", "0"},
        {"0.3-0.1", "0.2"},
        {"86251.76-86250.82", "0.94"},
        {"0.1+0.2-0.3", "0"},
        {"123456789012345678-123456789012345677", "1"},
        {"10000000000000000001-10000000000000000000", "1"},
        {"1-0.9", "0.1"},
        {"SUM(1,3,0.1)-0.3", "0"},
    });
    ExpressionVariables variables{};
    EXPECT_EQ(EvaluateExpression("0.1+0.2-0.3", variables).value, 0);
    // Variables of 19 digits: every digit of plain Extended arithmetic reaches the result.
    variable(variables, 'X') = 11.12345678910737373L;
    variable(variables, 'Y') = 22.12345678910737373L;
    variable(variables, 'Z') = 33.12345678910737373L;
    variable(variables, 'W') = 44.12345678910737373L;
    const test::ExpressionRow withVariables[] = {
        {"X-Y*Z*W*X+Y*Z*W*X+Y*Z/W+X*Y/Z-W", "-8.96247459597824"},
        {"((X/(Y+Z))*(X*(Y/Z)))*((X-(Y+Z))*(X+(Y-Z)))", "-8.14841918899407"},
    };
    for (const auto& row : withVariables)
        EXPECT_EQ(generalText(EvaluateExpression(row.text, variables).value, dotSeparators()), row.value) << row.text;
}

TEST(Parser, DiagnosticPositionIsTheCursorWhenRaised) {
    ExpressionVariables variables{};
    const Evaluation e = EvaluateExpression("ab+1/0*(2", variables);
    ASSERT_EQ(e.diagnostics.size(), 3u);
    EXPECT_EQ(e.diagnostics[0].position, 3); // after the name
    EXPECT_EQ(e.diagnostics[1].position, 7); // after the divisor
    EXPECT_EQ(e.diagnostics[2].position, 10);
    // A divisor in brackets: after its ")".
    const Evaluation bracketed = EvaluateExpression("1+6/(2-2)*3", variables);
    ASSERT_EQ(bracketed.diagnostics.size(), 1u);
    EXPECT_EQ(bracketed.diagnostics[0].position, 10);
    EXPECT_EQ(bracketed.value, 19);
}

// Every diagnostic speaks the language in use.
TEST(Parser, DiagnosticsInRussian) {
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        {"", {"Синтаксическая ошибка в позиции 1"}},
        {"(1+2", {" Ожидается ')' в позиции 5 "}},
        {"2^10", {"Текст после выражения в позиции 2"}},
        {"[1", {" Ожидается ']' в позиции 3 "}},
        {"ab+foo(1", {"AB: неверное имя ", " Неизвестная функция FOO ", " Ожидается ')' в позиции 8 "}},
        {"IF(1", {" Неожиданный конец выражения ", " Синтаксическая ошибка в позиции 5 ",
                  "Синтаксическая ошибка в позиции 6", " Ожидается ',' в позиции 6 ",
                  "Синтаксическая ошибка в позиции 7", " Ожидается ',' в позиции 7 ",
                  "Синтаксическая ошибка в позиции 8", " Ожидается ')' в позиции 8 "}},
        {"SUM(3,1,I)", {" Верхний предел должен быть не меньше нижнего "}},
        {"LN(0)+1E5000", {"Недопустимый аргумент функции LN в позиции 1", "Переполнение в позиции 7"}},
        {"7/0", {"Нельзя делить на ноль!"}},
    };
    EvaluationSettings settings;
    settings.messages = &messagesFor(Language::Russian);
    for (const auto& [text, expected] : rows) {
        ExpressionVariables variables{};
        std::vector<std::string> got;
        for (const Diagnostic& d : EvaluateExpression(text, variables, settings).diagnostics) got.push_back(d.text);
        EXPECT_EQ(got, expected) << text;
    }
    ExpressionVariables variables{};
    settings.cancel = [](std::uint64_t) { return true; };
    const Evaluation cancelled = EvaluateExpression("SUM(1,1E9,I)", variables, settings);
    EXPECT_TRUE(cancelled.cancelled);
    ASSERT_FALSE(cancelled.diagnostics.empty());
    EXPECT_EQ(cancelled.diagnostics.back().text, " Вычисление прервано ");
    EXPECT_EQ(EvaluateExpression(std::string(1200, '(') + "1", variables, settings).diagnostics.back().text,
              " Слишком глубокая вложенность выражения ");
}

// The tape's line states what was evaluated and its value, or why there is none, and the angle
// measure where an angle function was called in one that is not radians.
TEST(Parser, TheTapeLineOfAnEvaluation) {
    struct TapeLineRow {
        const char* text;
        const char* line;
        AngleMeasure angle = AngleMeasure::Radians;
        Language language = Language::English;
    };
    const TapeLineRow rows[] = {
        {"SUM(1,100,I*I)", "SUM(1,100,I*I) = 338350"},
        {"1/3 \n", "1/3 = 0,333333333333333"},
        {" 1", "1: Syntax error in position 1"},
        {"2 3", "2 3: Text after the expression in position 3"},
        {"LN(0)+5", "LN(0)+5: Invalid argument of LN in position 1"},
        {"7/0", "7/0: It is impossible to divide into a zero!"},
        {"(1+2", "(1+2: Expected ')' in position 5"},
        {"foo(2)", "foo(2): Unknown function FOO"}, // the cause, not the ")" it left missing
        {"SIN(30)", "SIN(30) = 0,5 (degrees)", AngleMeasure::Degrees},
        {"2*ARCTG(1)", "2*ARCTG(1) = 0,25 (cycles)", AngleMeasure::Cycles}, // an angle as the value
        {"COS(200)", "COS(200) = -1 (грады)", AngleMeasure::Grads, Language::Russian},
        {"SUM(1,2,SIN(90*I))", "SUM(1,2,SIN(90*I)) = 1 (градусы)", AngleMeasure::Degrees, Language::Russian},
        {"SIN(AB)", "SIN(AB) (degrees): AB is wrong name", AngleMeasure::Degrees}, // failed in the argument
        {"ARCSIN(2)+1", "ARCSIN(2)+1 (grads): The value of variable must be <= 1 !", AngleMeasure::Grads},
        {"SIN(1)", "SIN(1) = 0,841470984807897"}, // radians say nothing
        {"SH(1)*CH(0)", "SH(1)*CH(0) = 1,1752011936438", AngleMeasure::Degrees}, // no angle in a hyperbola
    };
    for (const TapeLineRow& row : rows) {
        ExpressionVariables variables{};
        EvaluationSettings settings;
        settings.angle = row.angle;
        settings.messages = &messagesFor(row.language);
        const Evaluation e = EvaluateExpression(row.text, variables, settings);
        const TapeStep step = evaluationTapeStep(row.text, e, Separators{",", " "}, messagesFor(row.language));
        EXPECT_EQ(tapeLine(step), row.line) << row.text;
    }
}

TEST(Parser, TheDiagnosticListLeadsWithTheCause) {
    struct ListRow {
        const char* text;
        std::size_t maxLines;
        const char* list;
    };
    const ListRow rows[] = {
        {"2+3", 8, ""},
        {"foo(2)", 8, "Unknown function FOO\nExpected ')' in position 5"},
        {"foo(2)", 2, "Unknown function FOO\nExpected ')' in position 5"},
        {"IF(1", 3, "Unexpected end of expression\nSyntax error in position 5\n+6 more"},
        // Those raised beyond the kept ones count too.
        {"SUM(1,2000,ab)", 3, "AB is wrong name\nAB is wrong name\n+1998 more"},
    };
    for (const ListRow& row : rows) {
        ExpressionVariables variables{};
        const Evaluation e = EvaluateExpression(row.text, variables);
        EXPECT_EQ(diagnosticList(e.diagnostics, e.omittedDiagnostics, "+%1 more", row.maxLines), row.list)
            << row.text << " in " << row.maxLines;
    }
}

// What an evaluation gives, in a form that any change of value bits, state or diagnostics alters:
// the value's ten bytes, the state, the number of diagnostics and a hash of their texts and
// positions. A cancelled evaluation (a SUM stopped after 20 000 terms) records no diagnostics:
// where the poll falls depends on the clock.
std::string goldenRecord(const std::string& input) {
    EvaluationSettings settings;
    settings.angle = static_cast<AngleMeasure>(static_cast<unsigned char>(input[0]) % 4);
    settings.cancel = [](std::uint64_t terms) { return terms >= 20000; };
    ExpressionVariables variables{};
    variables[0] = 2.5L;
    variables[8] = 7;
    const Evaluation e = EvaluateExpression(std::string_view(input).substr(1), variables, settings);
    unsigned char bytes[10];
    std::memcpy(bytes, &e.value, sizeof bytes);
    std::ostringstream out;
    out << std::hex;
    for (const unsigned char b : bytes) out << (b >> 4) << (b & 15);
    out << std::dec << '\t' << (e.cancelled ? "cancelled" : e.escapedFailure ? "escaped" : "done") << ':'
        << e.unreadPosition;
    if (e.cancelled) return out.str() + "\t-\t-";
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::string_view text) {
        for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    };
    for (const Diagnostic& d : e.diagnostics) {
        mix(std::to_string(d.position));
        mix("\x1f");
        mix(d.text);
        mix("\x1e");
    }
    out << '\t' << e.diagnostics.size() << '+' << e.omittedDiagnostics << '\t' << std::hex << hash;
    return out.str();
}

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// Every expression of these tables (in each angle measure) and of the fuzz corpus gives what it
// gave when the record was made, bit for bit, so that a faster evaluator can be checked against
// it. ORV_WRITE_GOLDEN=1 writes the record anew from its first column instead.
TEST(Parser, EvaluationsMatchTheirRecord) {
    std::ifstream in(ORV_EXPR_GOLDEN);
    ASSERT_TRUE(in.is_open()) << ORV_EXPR_GOLDEN;
    std::string header, line;
    std::getline(in, header);
    std::vector<std::string> lines;
    while (std::getline(in, line)) lines.push_back(line);
    ASSERT_GT(lines.size(), 1000u);
    const bool write = std::getenv("ORV_WRITE_GOLDEN") != nullptr;
    std::ostringstream rewritten;
    rewritten << header << '\n';
    int checked = 0;
    for (const std::string& row : lines) {
        const std::string hex = row.substr(0, row.find('\t'));
        const std::string record = goldenRecord(fromHex(hex));
        if (write) {
            rewritten << hex << '\t' << record << '\n';
            continue;
        }
        EXPECT_EQ(row.substr(hex.size() + 1), record) << hex;
        ++checked;
    }
    if (write) std::ofstream(ORV_EXPR_GOLDEN) << rewritten.str();
    else EXPECT_EQ(checked, static_cast<int>(lines.size()));
}

TEST(Parser, VariableFieldTexts) {
    struct VariableRow {
        const char* text;
        bool commaLocale;
        const char* value; // general text with "." whatever the locale, or nullptr
        const char* error = "";
    };
    const VariableRow rows[] = {
        {"2.5", false, "2.5"},
        {"2.5", true, "2.5"}, // "." is the expression language's separator in any locale
        {"2,5", true, "2.5"},
        {"2,5", false, nullptr, "'2,5' is not a valid floating point value."},
        {"", false, "0"}, // a field emptied to be retyped
        {" \t\r\n", true, "0"},
        {" -1E3\r\n", false, "-1000"},
        {"\x01\xC2\x85" "7\x7F\xC2\x9F", false, "7"}, // C0, C1 and DEL controls around it
        {"\xC2\xA0" "7", false, nullptr, "'\xC2\xA0" "7' is not a valid floating point value."},
        {" a.b ", true, nullptr, "'a,b' is not a valid floating point value."},
        {"-", false, nullptr, "'-' is not a valid floating point value."},
        {"1 2", false, nullptr, "'1 2' is not a valid floating point value."},
        {"1E5000", false, nullptr, "'1E5000' is not a valid floating point value."},
        {"\xD0\xB6", false, nullptr, "'\xD0\xB6' is not a valid floating point value."},
    };
    for (const VariableRow& row : rows) {
        const Separators separators = row.commaLocale ? Separators{",", " "} : dotSeparators();
        const VariableValue read = readVariableText(row.text, separators);
        EXPECT_EQ(read.error, row.error) << "'" << row.text << "'";
        EXPECT_EQ(read.ok(), row.value != nullptr) << "'" << row.text << "'";
        if (row.value) {
            EXPECT_EQ(generalText(read.value, dotSeparators()), row.value) << "'" << row.text << "'";
        }
    }
}

TEST(Parser, VariablesAreReadNotWritten) {
    ExpressionVariables variables{};
    variable(variables, 'A') = 2.5L;
    variable(variables, 'Z') = -1;
    const Evaluation e = EvaluateExpression("a*4+z", variables);
    EXPECT_EQ(e.value, 9);
    EXPECT_EQ(variable(variables, 'A'), 2.5L);
}

} // namespace
} // namespace orv
