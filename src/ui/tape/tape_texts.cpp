// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_texts.h"

#include <QDir>
#include <QFile>

#include <cstring>

namespace orv {
namespace {

constexpr TextRole kCaption = TextRole::Caption;
constexpr TextRole kName = TextRole::Name;
constexpr TextRole kDescription = TextRole::Description;

const LanguageText kTexts[] = {
    {"TapeWindow", kCaption, "Tape", "Лента"},
    {"memTape", kName, "Tape", "Лента"},
    {"memTape", kDescription,
     "The completed calculations, one a line, the latest last. Enter or a double click on a line "
     "takes its result into the calculator.",
     "Выполненные вычисления, по одному в строке, последнее внизу. Enter или двойной щелчок по "
     "строке передаёт её результат в калькулятор."},
    {"miTapeCopy", kCaption, "&Copy", "&Копировать"},
    {"miTapeCopyResult", kCaption, "Copy &result", "Копировать &результат"},
    {"miTapeUseResult", kCaption, "&Use result", "&Использовать результат"},
    {"miTapeSelectAll", kCaption, "Select &all", "&Выделить всё"},
    {"miTapeSaveAs", kCaption, "&Save as...", "&Сохранить как..."},
    {"miTapeClear", kCaption, "C&lear tape", "Очистить &ленту"},
    {"miTapeUndoClear", kCaption, "Un&do clearing", "&Отменить очистку"},
    {"miTapeDock", kCaption, "Dock &beside the calculator", "&Пристыковать к калькулятору"},
};

struct TroubleText {
    TapeKeeper::Trouble trouble;
    const char* english;
    const char* russian;
};

// %1 the file, %2 the system's reason.
const TroubleText kTroubles[] = {
    {TapeKeeper::Trouble::Write,
     "The tape is not kept: %1 cannot be written (%2). It stays until the program ends.",
     "Лента не сохраняется: нельзя записать %1 (%2). Она останется до выхода из программы."},
    {TapeKeeper::Trouble::Read, "The kept tape cannot be read: %1 (%2).",
     "Сохранённую ленту не удаётся прочитать: %1 (%2)."},
    {TapeKeeper::Trouble::Remove, "The kept tape cannot be removed: %1 (%2).",
     "Сохранённую ленту не удаётся удалить: %1 (%2)."},
};

// What makes a file no tape, where the system has no words for it.
const struct {
    TapeFileError::Kind kind;
    const char* english;
    const char* russian;
} kUnusableFiles[] = {
    {TapeFileError::Kind::NotRegularFile, "not a regular file", "не обычный файл"},
    {TapeFileError::Kind::NoLineBreaks, "no line breaks", "нет разрывов строк"},
    {TapeFileError::Kind::NotText, "not a text file", "не текстовый файл"},
};

QString inLanguage(const char* english, const char* russian, int language) {
    return QString::fromUtf8(language == 1 ? russian : english);
}

} // namespace

QString tapeFileErrorText(const TapeFileError& error, int language) {
    for (const auto& row : kUnusableFiles)
        if (row.kind == error.kind) return inLanguage(row.english, row.russian, language);
    return QString::fromLocal8Bit(std::strerror(error.systemError));
}

std::span<const LanguageText> tapeTexts() {
    return kTexts;
}

QString tapeTroubleText(const TapeKeeper& keeper, int language) {
    const QString path = QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(keeper.filePath())));
    const QString detail = tapeFileErrorText(keeper.troubleDetail(), language);
    for (const TroubleText& row : kTroubles)
        if (row.trouble == keeper.trouble()) return inLanguage(row.english, row.russian, language).arg(path, detail);
    return {};
}

QString tapeSaveFailedText(const QString& path, const QString& detail, int language) {
    return inLanguage("The tape cannot be saved to %1 (%2).", "Ленту не удаётся сохранить в %1 (%2).",
                      language)
        .arg(path, detail);
}

QString tapeSaveTitle(int language) {
    return inLanguage("Save the tape", "Сохранить ленту", language);
}

QString tapeSaveFilter(int language) {
    return inLanguage("Text files (*.txt);;All files (*)", "Текстовые файлы (*.txt);;Все файлы (*)",
                      language);
}

} // namespace orv
