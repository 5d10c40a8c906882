// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "language_table.h"
#include "tape_keeper.h"

#include <QString>

#include <span>

namespace orv {

// The tape window's title, context menu and spoken texts in English and Russian.
std::span<const LanguageText> tapeTexts();

// What the tape window (and once, the hint under the display) says when the tape's file fails
// it: the file and the reason. Language 0 English, 1 Russian.
QString tapeTroubleText(const TapeKeeper& keeper, int language);
// Why a file could not be used or written: the system's reason, or what made the file unfit.
QString tapeFileErrorText(const TapeFileError& error, int language);
QString tapeSaveFailedText(const QString& path, const QString& detail, int language);
// The Save as dialog's title and its file type.
QString tapeSaveTitle(int language);
QString tapeSaveFilter(int language);

} // namespace orv
