// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "language_table.h"

#include <QString>
#include <QStringList>

#include <span>

namespace orv {

// The Evaluator window's captions and hints in English and Russian.
std::span<const LanguageText> evaluatorTexts();

// The fixed function reference shown in the reference pane, one memo line each.
// Texts of the Evaluator that belong to no control of its own.
enum class EvaluatorPhrase { Evaluating, ProgressTitle, ResultName, NoResultName, NoResultToSend, MoreDiagnostics };
// The phrase in the language (0 English, 1 Russian); ResultName holds "%1" for the value,
// NoResultName for why there is none, MoreDiagnostics for how many diagnostics are not listed.
QString evaluatorPhrase(EvaluatorPhrase phrase, int language);

// The reference memo's lines in the language (0 English, 1 Russian).
QStringList evaluatorReferenceLines(int language = 0);

// One item of the Insert menu: a function item wraps the selection between prefix and suffix;
// any other item replaces the selection with its prefix.
struct InsertItem {
    const char* caption;
    const char* prefix;
    const char* suffix;
    bool wrapsSelection;
};

struct InsertSubmenu {
    const char* name; // object name; its caption comes from the language table
    std::span<const InsertItem> items;
    bool separatorAfter;
};

std::span<const InsertSubmenu> evaluatorInsertMenu();

// The text an Insert item puts in place of the selection.
QString insertionText(const InsertItem& item, const QString& selection);

} // namespace orv
