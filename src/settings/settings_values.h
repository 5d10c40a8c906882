// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "settings_store.h"

#include <QString>

#include <array>
#include <string_view>

namespace orv {

// Names of the stored values.
namespace value {
inline constexpr const char* RThouSepOn = "RThouSepOn";
inline constexpr const char* RIndColor = "RIndColor";
inline constexpr const char* RIndFontColor = "RIndFontColor";
inline constexpr const char* RMinToTray = "RMinToTray";
inline constexpr const char* RStayOnTop = "RStayOnTop";
inline constexpr const char* RLang = "RLang";
inline constexpr const char* RIndFontSize = "RIndFontSize";
inline constexpr const char* RIndFontStyle = "RIndFontStyle";
inline constexpr const char* RIndFontName = "RIndFontName";
inline constexpr const char* RZ = "RZ";
inline constexpr const char* RDecSepState = "RDecSepState";
inline constexpr const char* RMinState = "RMinState";
inline constexpr const char* RMemState = "RMemState";
inline constexpr const char* RCalcMode = "RCalcMode";
inline constexpr const char* RConvertItem = "RConvertItem";
inline constexpr const char* RZM = "RZM";
inline constexpr const char* RReference = "RReference";
inline constexpr const char* RKeepTape = "RKeepTape";
// The bank whose exchange rates the currency group uses (0 European Central Bank, 1 Bank of
// Russia), and whether showing the group fetches due rates by itself.
inline constexpr const char* RRateSource = "RRateSource";
inline constexpr const char* RAutoRates = "RAutoRates";
// Where the tape window was left, its client area in screen pixels.
inline constexpr const char* RTapeLeft = "RTapeLeft";
inline constexpr const char* RTapeTop = "RTapeTop";
inline constexpr const char* RTapeWidth = "RTapeWidth";
inline constexpr const char* RTapeHeight = "RTapeHeight";
inline constexpr const char* RTapeDocked = "RTapeDocked";
inline constexpr const char* RTapeOpen = "RTapeOpen";
// "RZM1".."RZM10".
QString registerValueName(int registerNumber);
// Whether `name` is one of the values above (or a register's): anything else in the settings
// file is not ours and is dropped.
bool isKnownName(std::string_view name);
} // namespace value

inline constexpr int kColourWhite = 0xFFFFFF;
inline constexpr int kColourNavy = 0x800000;

// What Preferences offers: its size box runs 6..10, its style codes are 1 regular, 2 bold,
// 3 italic and 4 bold italic. The conversion panel has eleven groups, 0..9 and the currencies, 10.
inline constexpr int kMinDigitFontSize = 6;
inline constexpr int kMaxDigitFontSize = 10;
inline constexpr int kMinDigitFontStyle = 1;
inline constexpr int kMaxDigitFontStyle = 4;
inline constexpr int kConvertGroupCount = 11;
inline constexpr int kRateSourceCount = 2;

// The appearance preferences, read at start-up and written when the user applies them.
struct Settings {
    bool GroupThousands = true;
    int IndicatorColor = kColourWhite; // 0x00BBGGRR
    int DigitColor = kColourNavy;      // 0x00BBGGRR
    bool MinimizeToTray = true;
    bool StayOnTop = true;
    int Language = 0;
    int DigitFontSize = 10;
    int DigitFontStyle = 2;
    QString DigitFontName = QStringLiteral("MS Sans Serif");
    bool KeepTape = true;
    int RateSource = 0;
    bool AutoUpdateRates = true;
};

// What is saved at exit and restored at the next start. Registers are general-form texts.
struct WorkingState {
    QString entryText;
    bool decimalEntered = false;
    bool fullSize = true;
    std::array<QString, 10> registers;
    bool memoryUsed = false;
    int calcMode = 0;
    int convertItem = 0;
};

// Both readers follow the read-or-default rule, in the order start-up reads the values. A value
// out of its range (hand-edited or damaged) is corrected and the correction written back: a size
// goes to the nearest one offered, an unknown style code or group takes the default.
Settings readSettings(SettingsStore& store);
int readDigitFontSize(SettingsStore& store);
int readDigitFontStyle(SettingsStore& store);
WorkingState readWorkingState(SettingsStore& store);
// Exit: the working state, plus the memory line's text under "RZM" (written, never read), and
// what stopped it from reaching the file, if anything did.
std::optional<SaveFailure> writeWorkingState(SettingsStore& store, const WorkingState& state,
                                             const QString& memoryEntryText);

// The main-window controls each appearance setting applies to, by object name. Controls of
// panels that do not exist in a window are skipped.
inline constexpr std::array<const char*, 12> kIndicatorControls = {
    "pnOut",   "pnOut2",  "pnOut3",     "pnSSS",      "cb1",     "cb2",
    "cbVibor", "pnMHist", "pnOutHist2", "pnOutHist3", "Panel15", "mmStat"};
inline constexpr std::array<const char*, 10> kDigitColourControls = {
    "pnOut2", "pnOut3", "pnSSS", "cb1", "cb2", "cbVibor", "pnOutHist2", "pnOutHist3", "Panel15", "mmStat"};
inline constexpr std::array<const char*, 3> kDigitSizeControls = {"pnOut3", "pnOutHist3", "mmStat"};
inline constexpr std::array<const char*, 5> kDigitFaceControls = {"pnOut2", "pnOut3", "pnOutHist2",
                                                                  "pnOutHist3", "mmStat"};

} // namespace orv
