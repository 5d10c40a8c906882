// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QString>

namespace orv {

// Qt's own texts (the edit fields' context menus, the standard buttons of message boxes) in the
// program's language: 1 installs Qt's Russian translation on the application, 0 removes it, any
// other value changes nothing. Without the translation file Qt simply stays in English.
// Returns whether the Russian translation is installed afterwards.
bool applyToolkitLanguage(int language);
// The same, with the translation looked for in `folder` instead of Qt's own translations folder.
bool applyToolkitLanguage(int language, const QString& folder);

} // namespace orv
