// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

namespace orv {

// The language texts of the main window (UTF-8). Keypad captions and key hints are symbols and
// key names and stay the same in every language.
struct MainWindowTexts {
    const char* title;
    const char* miEdit;
    const char* miCopy;
    const char* miPaste;
    const char* miPrefer;
    const char* miView;
    const char* miConvert;
    const char* miScience;
    const char* miStatist;
    const char* Evaluator1;
    const char* miHelp;
    const char* miContens;
    const char* miPage;
    const char* miAbout;
    const char* pnOutHint;
    const char* pnSSSHint;
    const char* pnMHistHint;
    const char* registerHint;    // pnM1 .. pnM10
    const char* sizeHintFull;    // pnSize in the full layout
    const char* sizeHintReduced; // pnSize in the reduced layout
    const char* miTape;
    const char* miMax; // the full and the reduced layout; F4 shows beside the one it switches to
    const char* miMin;
    // Edit > Undo and Redo alone, and with the step they take (%1, "clear M1").
    const char* miUndo;
    const char* miRedo;
    const char* miUndoStep;
    const char* miRedoStep;
    // The working state could not be saved at exit: %1 the file, %2 why.
    const char* settingsNotSaved;
};

// 0 English, 1 Russian; any other language has no table (nullptr) and changes nothing.
const MainWindowTexts* mainWindowTexts(int language);

} // namespace orv
