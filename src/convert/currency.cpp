// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "currency.h"

#include "case_fold.h"

#include <algorithm>
#include <cstdio>

namespace orv {
namespace {

struct CurrencyNames {
    std::string_view code;
    std::string_view english;
    std::string_view russian;
};

// Every currency either bank has published lately, by code.
constexpr CurrencyNames kNames[] = {
    {"AED", "UAE dirham", "Дирхам ОАЭ"},
    {"AMD", "Armenian dram", "Армянский драм"},
    {"AUD", "Australian dollar", "Австралийский доллар"},
    {"AZN", "Azerbaijani manat", "Азербайджанский манат"},
    {"BDT", "Bangladeshi taka", "Бангладешская така"},
    {"BGN", "Bulgarian lev", "Болгарский лев"},
    {"BHD", "Bahraini dinar", "Бахрейнский динар"},
    {"BOB", "Bolivian boliviano", "Боливийский боливиано"},
    {"BRL", "Brazilian real", "Бразильский реал"},
    {"BYN", "Belarusian ruble", "Белорусский рубль"},
    {"CAD", "Canadian dollar", "Канадский доллар"},
    {"CHF", "Swiss franc", "Швейцарский франк"},
    {"CNY", "Chinese yuan", "Китайский юань"},
    {"CUP", "Cuban peso", "Кубинское песо"},
    {"CZK", "Czech koruna", "Чешская крона"},
    {"DKK", "Danish krone", "Датская крона"},
    {"DZD", "Algerian dinar", "Алжирский динар"},
    {"EGP", "Egyptian pound", "Египетский фунт"},
    {"ETB", "Ethiopian birr", "Эфиопский быр"},
    {"EUR", "Euro", "Евро"},
    {"GBP", "Pound sterling", "Фунт стерлингов"},
    {"GEL", "Georgian lari", "Грузинский лари"},
    {"HKD", "Hong Kong dollar", "Гонконгский доллар"},
    {"HUF", "Hungarian forint", "Венгерский форинт"},
    {"IDR", "Indonesian rupiah", "Индонезийская рупия"},
    {"ILS", "Israeli shekel", "Израильский шекель"},
    {"INR", "Indian rupee", "Индийская рупия"},
    {"IRR", "Iranian rial", "Иранский риал"},
    {"ISK", "Icelandic krona", "Исландская крона"},
    {"JPY", "Japanese yen", "Японская иена"},
    {"KGS", "Kyrgyz som", "Киргизский сом"},
    {"KRW", "South Korean won", "Южнокорейская вона"},
    {"KZT", "Kazakhstani tenge", "Казахстанский тенге"},
    {"MDL", "Moldovan leu", "Молдавский лей"},
    {"MMK", "Myanmar kyat", "Мьянманский кьят"},
    {"MNT", "Mongolian tugrik", "Монгольский тугрик"},
    {"MXN", "Mexican peso", "Мексиканское песо"},
    {"MYR", "Malaysian ringgit", "Малайзийский ринггит"},
    {"NGN", "Nigerian naira", "Нигерийская найра"},
    {"NOK", "Norwegian krone", "Норвежская крона"},
    {"NZD", "New Zealand dollar", "Новозеландский доллар"},
    {"OMR", "Omani rial", "Оманский риал"},
    {"PHP", "Philippine peso", "Филиппинское песо"},
    {"PLN", "Polish zloty", "Польский злотый"},
    {"QAR", "Qatari riyal", "Катарский риал"},
    {"RON", "Romanian leu", "Румынский лей"},
    {"RSD", "Serbian dinar", "Сербский динар"},
    {"RUB", "Russian ruble", "Российский рубль"},
    {"SAR", "Saudi riyal", "Саудовский риял"},
    {"SEK", "Swedish krona", "Шведская крона"},
    {"SGD", "Singapore dollar", "Сингапурский доллар"},
    {"THB", "Thai baht", "Таиландский бат"},
    {"TJS", "Tajikistani somoni", "Таджикский сомони"},
    {"TMT", "Turkmenistan manat", "Туркменский манат"},
    {"TRY", "Turkish lira", "Турецкая лира"},
    {"UAH", "Ukrainian hryvnia", "Украинская гривна"},
    {"USD", "US dollar", "Доллар США"},
    {"UZS", "Uzbekistani sum", "Узбекский сум"},
    {"VND", "Vietnamese dong", "Вьетнамский донг"},
    {"XDR", "Special drawing right", "СДР (специальные права заимствования)"},
    {"ZAR", "South African rand", "Южноафриканский рэнд"},
};

const CurrencyNames* namesOf(std::string_view code) {
    const auto* row = std::find_if(std::begin(kNames), std::end(kNames),
                                   [code](const CurrencyNames& names) { return names.code == code; });
    return row == std::end(kNames) ? nullptr : row;
}

} // namespace

std::string_view currencyGroupName(Language language) {
    return language == Language::Russian ? "Валюта" : "Currency";
}

std::string RateTable::isoDate() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

const CurrencyRate* RateTable::find(std::string_view code) const {
    const int index = indexOf(code);
    return index < 0 ? nullptr : &rates[static_cast<std::size_t>(index)];
}

int RateTable::indexOf(std::string_view code) const {
    for (std::size_t i = 0; i < rates.size(); ++i)
        if (rates[i].code == code) return static_cast<int>(i);
    return -1;
}

std::string_view baseCurrency(RateSource source) {
    return source == RateSource::BankOfRussia ? "RUB" : "EUR";
}

std::string_view sourceName(RateSource source, Language language) {
    if (source == RateSource::BankOfRussia)
        return language == Language::Russian ? "Банк России" : "Bank of Russia";
    return language == Language::Russian ? "Европейский центральный банк" : "European Central Bank";
}

std::string currencyName(std::string_view code, Language language) {
    const CurrencyNames* names = namesOf(code);
    if (!names) return std::string(code);
    return std::string(language == Language::Russian ? names->russian : names->english);
}

std::string currencyUnitName(std::string_view code, Language language) {
    if (!namesOf(code)) return std::string(code);
    return currencyName(code, language) + " (" + std::string(code) + ")";
}

std::optional<std::string> findCurrencyCode(std::string_view name) {
    const std::string key = foldCase(trimBlanks(name));
    if (key.empty()) return std::nullopt;
    for (const CurrencyNames& names : kNames) {
        const std::string code(names.code);
        for (Language language : {Language::English, Language::Russian})
            if (key == foldCase(code) || key == foldCase(currencyName(code, language)) ||
                key == foldCase(currencyUnitName(code, language)))
                return code;
    }
    return std::nullopt;
}

} // namespace orv
