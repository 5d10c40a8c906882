// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <string>

namespace orv {

// The nine language messages, given to the engine by whoever applies a language. Empty until then.
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
};

enum class Language { English = 0, Russian = 1 };

// The compiled-in texts of each language (the command line uses English; windows apply either).
const Messages& messagesFor(Language language);

} // namespace orv
