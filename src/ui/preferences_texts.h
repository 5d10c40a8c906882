#pragma once

#include "language_table.h"

#include <span>

namespace orv {

// The Preferences window's captions and hints in English and Russian.
std::span<const LanguageText> preferencesTexts();

} // namespace orv
