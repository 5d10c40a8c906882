// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "main_window_texts.h"

namespace orv {

namespace {

const MainWindowTexts kEnglish{
    "Orvantis",
    "&Edit",
    "&Copy",
    "&Paste",
    "Pr&eferences",
    "&View",
    "&Converting",
    "&Scientific",
    "St&atistic",
    "&Evaluator",
    "&Help",
    "&Contents",
    "&Home Page",
    "&About",
    "Indicator",
    "Sign of operetion",
    "Memory indicator",
    "  Cell of memory",
    "Minimize",
    "Maximize",
    "&Tape",
    "&Max",
    "M&in",
    "&Undo",
    "&Redo",
    "&Undo: %1",
    "&Redo: %1",
    "The settings could not be saved to %1 (%2).",
};

const MainWindowTexts kRussian{
    "Вычислитель",        "&Правка",
    "&Копировать",        "Вст&авить",
    "&Настройка",         "&Вид",
    "&Перевод величин",   "&Научный",
    "&Статистический",    "&Вычислитель",
    "&Справка",           "&Вызов справки",
    "&Домашняя страница", "&О программе",
    "Цифровой дисплей",   "Знак текущей операции",
    "Индикатор памяти",   "  Ячейка памяти",
    "Свернуть",           "Развернуть",
    "&Лента",
    "П&олный",
    "С&жатый",
    "&Отменить",
    "&Вернуть",
    "&Отменить: %1",
    "&Вернуть: %1",
    "Настройки не удалось сохранить в %1 (%2).",
};

} // namespace

const MainWindowTexts* mainWindowTexts(int language) {
    switch (language) {
    case 0:
        return &kEnglish;
    case 1:
        return &kRussian;
    default:
        return nullptr;
    }
}

} // namespace orv
