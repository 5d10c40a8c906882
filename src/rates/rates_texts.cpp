// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "rates_texts.h"

#include <array>

namespace orv {
namespace {

struct ProblemText {
    RatesProblem problem;
    const char* english;
    const char* russian;
};

constexpr ProblemText kProblems[] = {
    {RatesProblem::None, "", ""},
    {RatesProblem::NotADocument, "the answer is not a rate document of either bank",
     "ответ не является документом с курсами банка"},
    {RatesProblem::BadRate, "a rate is not a positive number", "курс не является положительным числом"},
    {RatesProblem::FutureDate, "the rates are dated in the future", "курсы датированы будущим днём"},
    {RatesProblem::Unreachable, "the bank cannot be reached", "банк недоступен"},
    {RatesProblem::TimedOut, "the bank did not answer within 15 seconds", "банк не ответил за 15 секунд"},
    {RatesProblem::HttpError, "the bank answered with an error", "банк ответил ошибкой"},
    {RatesProblem::RedirectOffHost, "the answer sends to another address", "ответ перенаправляет на другой адрес"},
    {RatesProblem::TooLarge, "the answer is larger than 1 MB", "ответ больше 1 МБ"},
    {RatesProblem::InsecureAddress, "the address is neither HTTPS nor this computer",
     "адрес не HTTPS и не этот компьютер"},
    {RatesProblem::NothingKept, "no rates have been fetched yet", "курсы ещё не загружались"},
};

bool russian(Language language) {
    return language == Language::Russian;
}

QString pick(Language language, const char* english, const char* russianText) {
    return QString::fromUtf8(russian(language) ? russianText : english);
}

constexpr std::array<const char*, 12> kEnglishMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kRussianMonths = {"января", "февраля", "марта",    "апреля",
                                                        "мая",    "июня",    "июля",     "августа",
                                                        "сентября", "октября", "ноября", "декабря"};

} // namespace

QString ratesProblemText(const RatesFailure& failure, Language language) {
    QString text;
    for (const ProblemText& row : kProblems)
        if (row.problem == failure.problem) text = pick(language, row.english, row.russian);
    if (!failure.detail.isEmpty()) text += QStringLiteral(" (") + failure.detail + QLatin1Char(')');
    return text;
}

QString ratesLine(const RateTable& table, Language language) {
    const bool validMonth = table.month >= 1 && table.month <= 12;
    const auto month = static_cast<std::size_t>(validMonth ? table.month - 1 : 0);
    const QString date = QStringLiteral("%1 %2 %3")
                             .arg(table.day)
                             .arg(QString::fromUtf8(russian(language) ? kRussianMonths[month] : kEnglishMonths[month]))
                             .arg(table.year);
    const std::string_view bank = sourceName(table.source, language);
    return pick(language, "Rates of %1, %2", "Курсы на %1, %2")
        .arg(date, QString::fromUtf8(bank.data(), qsizetype(bank.size())));
}

QString noRatesLine(const RatesFailure& failure, Language language) {
    return pick(language, "No rates yet: %1", "Курсов пока нет: %1").arg(ratesProblemText(failure, language));
}

QString updatingLine(Language language) {
    return pick(language, "Updating the rates…", "Курсы обновляются…");
}

QString updateFailedText(const RatesFailure& failure, Language language) {
    return pick(language, "The rates were not updated: %1", "Курсы не обновлены: %1")
        .arg(ratesProblemText(failure, language));
}

QString notKeptText(const QString& detail, Language language) {
    return pick(language, "The rates could not be kept for use offline (%1)",
                "Курсы не удалось сохранить для работы без сети (%1)")
        .arg(detail);
}

QString noRatesHint(Language language) {
    return pick(language, "No exchange rates yet: update them (Ctrl+U)", "Курсов валют пока нет: обновите их (Ctrl+U)");
}

QString updateRatesCaption(Language language) {
    return pick(language, "Update rates (Ctrl+U)", "Обновить курсы (Ctrl+U)");
}

} // namespace orv
