// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QString>

#include <span>

class QWidget;

namespace orv {

// What a language text sets on its control. A Name is what a screen reader says for a control
// whose caption is a glyph, a letter or absent; a Description is what it adds on request.
enum class TextRole { Caption, Hint, Name, Description };

// One text of a window in both languages, found by the control's object name.
struct LanguageText {
    const char* control;
    TextRole role;
    const char* english;
    const char* russian;
};

// Applies a window's table in language 0 (English) or 1 (Russian); any other value changes
// nothing. Captions go to whatever the control shows: a window title, a menu or action text, a
// group box title, a button or label text.
void applyLanguage(QWidget* window, std::span<const LanguageText> table, int language);

} // namespace orv
