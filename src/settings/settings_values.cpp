// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "settings_values.h"

#include <algorithm>

namespace orv {

QString value::registerValueName(int registerNumber) {
    return QStringLiteral("RZM%1").arg(registerNumber);
}

bool value::isKnownName(std::string_view name) {
    static constexpr std::array kNames = {
        RThouSepOn, RIndColor, RIndFontColor, RMinToTray, RStayOnTop, RLang, RIndFontSize, RIndFontStyle,
        RIndFontName, RZ, RDecSepState, RMinState, RMemState, RCalcMode, RConvertItem, RZM, RReference,
        RKeepTape, RRateSource, RAutoRates, RTapeLeft, RTapeTop, RTapeWidth, RTapeHeight, RTapeDocked, RTapeOpen,
        "RZM1", "RZM2", "RZM3", "RZM4", "RZM5", "RZM6", "RZM7", "RZM8", "RZM9", "RZM10"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

namespace {

int readWithin(SettingsStore& store, const char* name, int fallback, int lowest, int highest, bool nearest) {
    const int stored = store.readInteger(name, fallback);
    if (stored >= lowest && stored <= highest) return stored;
    const int corrected = nearest ? std::clamp(stored, lowest, highest) : fallback;
    store.writeInt(name, corrected);
    return corrected;
}

} // namespace

int readDigitFontSize(SettingsStore& store) {
    return readWithin(store, value::RIndFontSize, Settings{}.DigitFontSize, kMinDigitFontSize,
                      kMaxDigitFontSize, true);
}

int readDigitFontStyle(SettingsStore& store) {
    return readWithin(store, value::RIndFontStyle, Settings{}.DigitFontStyle, kMinDigitFontStyle,
                      kMaxDigitFontStyle, false);
}

Settings readSettings(SettingsStore& store) {
    const Settings defaults;
    Settings s;
    s.GroupThousands = store.readBool(value::RThouSepOn, defaults.GroupThousands);
    s.IndicatorColor = store.readInteger(value::RIndColor, defaults.IndicatorColor);
    s.DigitColor = store.readInteger(value::RIndFontColor, defaults.DigitColor);
    s.MinimizeToTray = store.readBool(value::RMinToTray, defaults.MinimizeToTray);
    s.StayOnTop = store.readBool(value::RStayOnTop, defaults.StayOnTop);
    s.Language = store.readInteger(value::RLang, defaults.Language);
    s.DigitFontSize = readDigitFontSize(store);
    s.DigitFontStyle = readDigitFontStyle(store);
    s.DigitFontName = store.readText(value::RIndFontName, defaults.DigitFontName);
    s.KeepTape = store.readBool(value::RKeepTape, defaults.KeepTape);
    s.RateSource = readWithin(store, value::RRateSource, defaults.RateSource, 0, kRateSourceCount - 1, false);
    s.AutoUpdateRates = store.readBool(value::RAutoRates, defaults.AutoUpdateRates);
    return s;
}

WorkingState readWorkingState(SettingsStore& store) {
    WorkingState w;
    w.entryText = store.readText(value::RZ, QString());
    w.decimalEntered = store.readBool(value::RDecSepState, false);
    w.fullSize = store.readBool(value::RMinState, true);
    for (int n = 1; n <= 10; ++n)
        w.registers[n - 1] = store.readText(value::registerValueName(n), QString());
    w.memoryUsed = store.readBool(value::RMemState, false);
    w.calcMode = store.readInteger(value::RCalcMode, 0);
    w.convertItem = readWithin(store, value::RConvertItem, 0, 0, kConvertGroupCount - 1, false);
    return w;
}

std::optional<SaveFailure> writeWorkingState(SettingsStore& store, const WorkingState& state,
                                             const QString& memoryEntryText) {
    store.writeString(value::RZ, state.entryText);
    store.writeBool(value::RDecSepState, state.decimalEntered);
    store.writeBool(value::RMinState, state.fullSize);
    for (int n = 1; n <= 10; ++n)
        store.writeString(value::registerValueName(n), state.registers[n - 1]);
    store.writeBool(value::RMemState, state.memoryUsed);
    store.writeInt(value::RCalcMode, state.calcMode);
    store.writeInt(value::RConvertItem, state.convertItem);
    store.writeString(value::RZM, memoryEntryText);
    return store.flush();
}

} // namespace orv
