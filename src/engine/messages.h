// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "undo_history.h"

#include <array>
#include <string>
#include <string_view>

namespace orv {

enum class Language { English = 0, Russian = 1 };

// The language messages, given to the engine by whoever applies a language. Empty until then.
// "%1" and "%2" in a text stand for what fillIn puts there (a function's name, a position).
struct Messages {
    std::string DivideByZeroMessage;
    std::string NegativeRootMessage;
    std::string ArgumentAboveOneMessage;
    std::string ArgumentZeroMessage;
    std::string CelsiusLimitMessage;
    std::string KelvinLimitMessage;
    std::string FahrenheitLimitMessage;
    std::string ReaumurLimitMessage;
    std::string RankineLimitMessage;
    // A function key whose function has no value for the shown number (ln of 0): %1 is the key.
    std::string InvalidArgumentMessage;
    // A result beyond the Extended range, on the keypad or a conversion panel.
    std::string OverflowMessage;
    // A second decimal separator typed into one number.
    std::string SecondDecimalMarkMessage;
    // A paste of a text that is not a number.
    std::string NoNumberToPasteMessage;
    // The expression language's reports of a failure it caught: %1 the function, %2 the position.
    std::string InvalidArgumentAtMessage;
    std::string OverflowAtMessage; // %1 the position
    // A statistics result key over a list that cannot give it: %1 the line that is no number.
    std::string NotANumberLineMessage;
    std::string TooFewValuesMessage;
    // The expression language's diagnostics: %1 a position, or the character expected and %2 its
    // position, or a name.
    std::string SyntaxErrorMessage;
    std::string ExpectedMessage;
    std::string ConditionSyntaxErrorMessage;
    std::string UnexpectedEndMessage;
    std::string UnknownFunctionMessage;
    std::string WrongNameMessage;
    std::string UpperLimitMessage;
    std::string TooDeeplyNestedMessage;
    std::string EvaluationCancelledMessage;
    // Text left over after a complete expression ("2^10", "2,5"): %1 where it begins.
    std::string TextAfterExpressionMessage;
    // The tape's words: the six statistics results over %1 values ("Mean of 8 values"), and the
    // full turn an angle in cycles is counted in.
    std::string TapeCount;
    std::string TapeSum;
    std::string TapeSumOfSquares;
    std::string TapeMean;
    std::string TapeSigmaN;
    std::string TapeSigmaNm1;
    std::string TapeTurn;
    // After an expression's line, the measure its angle functions took: " (degrees)".
    std::string TapeInDegrees;
    std::string TapeInGrads;
    std::string TapeInCycles;
    Language language = Language::English;
    // Undo and redo: the steps' names (%1 the register or the operation's sign), the tape's lines
    // for a step taken back or forward (%1 its name), the value a cleared register held, and the
    // hint for a Ctrl+C that cleared a register where the user may have meant to copy.
    std::array<std::string, kUndoStepKinds> UndoStepNames;
    std::string UndoneTape;
    std::string RedoneTape;
    std::string TapeWas;
    std::string CtrlCClearsMessage;
};

// "1 value", "8 values"; in Russian the genitive after the statistic's name ("1 значения",
// "8 значений").
std::string valuesCount(int count, Language language);

// The text with "%1" replaced by `first` and "%2" by `second`.
std::string fillIn(std::string_view text, std::string_view first, std::string_view second = {});

// The compiled-in texts of each language (the command line uses English; windows apply either).
const Messages& messagesFor(Language language);

} // namespace orv
