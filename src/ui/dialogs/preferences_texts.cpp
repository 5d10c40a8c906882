// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "preferences_texts.h"

namespace orv {
namespace {

constexpr TextRole kCaption = TextRole::Caption;
constexpr TextRole kHint = TextRole::Hint;
constexpr TextRole kName = TextRole::Name;

const LanguageText kTexts[] = {
    {"TPreForm", kCaption, "Preferences", "Настройка"},
    {"pnOutPref", kHint, "Preview", "Просмотр"},
    {"pnSSSPref", kHint, "Sign of operation", "Знак операции"},
    {"gbIndColor", kCaption, "Color of indicators", "Цвет индикаторов"},
    {"gbNumColor", kCaption, "Color of numbers", "Цвет цифр"},
    {"gbFont", kCaption, "Font of numbers", "Шрифт цифр"},
    {"gbSpecial", kCaption, "Special", "Специальные"},
    {"gbStyle", kCaption, "Style of numbers", "Стиль цифр"},
    {"gbLang", kCaption, "Language", "Язык"},
    {"ckbThou", kCaption, "Thousand separator", "Разделитель тысяч"},
    {"cbMinToTray", kCaption, "Minimize to System Tray", "Сворачиваться к часам"},
    {"cbkStayOnTop", kCaption, "Stay on top", "Поверх всех окон"},
    {"cbKeepTape", kCaption, "Keep the tape between runs", "Сохранять ленту между запусками"},
    {"gbRates", kCaption, "Exchange rates", "Курсы валют"},
    {"cbAutoRates", kCaption, "Update exchange rates automatically", "Обновлять курсы валют автоматически"},
    {"bB", kCaption, "B", "Ж"},
    {"bB", kHint, "Bold numbers", "Полужирные"},
    {"bI", kCaption, "I", "К"},
    {"bI", kHint, "Italic numbers", "Курсив"},
    {"spFontSize", kHint, "Size of numbers", "Размер цифр"},
    {"bbOk", kCaption, "OK", "OK"},
    {"bbNo", kCaption, "Cancel", "Отмена"},
    {"bbApply", kCaption, "Apply", "Применить"},
    {"bbHelp", kCaption, "Help", "Справка"},
    // Spoken names of the controls that have no label of their own: their box's title, or for
    // the style box's size and letter buttons what each one sets.
    {"cbIndColor", kName, "Color of indicators", "Цвет индикаторов"},
    {"cbIndFontColor", kName, "Color of numbers", "Цвет цифр"},
    {"cbIndFontName", kName, "Font of numbers", "Шрифт цифр"},
    {"spFontSize", kName, "Size of numbers", "Размер цифр"},
    {"bB", kName, "Bold numbers", "Полужирные"},
    {"bI", kName, "Italic numbers", "Курсив"},
    {"cbLang", kName, "Language", "Язык"},
    {"cbRateSource", kName, "Exchange rates", "Курсы валют"},
};

} // namespace

std::span<const LanguageText> preferencesTexts() { return kTexts; }

} // namespace orv
