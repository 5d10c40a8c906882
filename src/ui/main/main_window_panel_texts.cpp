// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "main_window_panel_texts.h"

#include "calculator_state.h"
#include "currency.h"
#include "keypad_table.h"
#include "science_panel.h"
#include "statistics_panel.h"
#include "unit_catalogue.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace orv {
namespace {

constexpr TextRole kCaption = TextRole::Caption;
constexpr TextRole kHint = TextRole::Hint;
constexpr TextRole kName = TextRole::Name;

const LanguageText kTexts[] = {
    {"cbVibor", kHint, "Kind of units", "Список групп физических величин"},
    {"cb1", kHint, "List of units", "Список физических величин"},
    {"cb2", kHint, "List of units", "Список физических величин"},
    {"pnComma", kHint, " \",\"  or \".\"", " \",\"  или \".\""},
    {"rbRad", kCaption, "Rad", "Рад"},
    {"rbDegr", kCaption, "Deg", "Градус"},
    {"rbGrad", kCaption, "Grad", "Град"},
    {"rbCycle", kCaption, "Cycle", "Окр"},
    {"rbRad", kHint, "Angular measure: radians", "Угловая мера: радианы"},
    {"rbDegr", kHint, "Angular measure: degrees", "Угловая мера: градусы"},
    {"rbGrad", kHint, "Angular measure: grads", "Угловая мера: грады"},
    {"rbCycle", kHint, "Angular measure: cycles", "Угловая мера: окружности"},
    {"bpSin", kHint, "  Sine", "  Синус"},
    {"bpCos", kHint, "  Cosine", "  Косинус"},
    {"bpTg", kHint, "  Tangent", "  Тангенс"},
    {"bpCtg", kHint, "  Cotangent", "  Котангенс"},
    {"bpSec", kHint, "  Secant", "  Секанс"},
    {"bpCosec", kHint, "  Cosecant", "  Косеканс"},
    {"bpArcsin", kHint, "  Arc sine", "  Арксинус"},
    {"bpArccos", kHint, "  Arc cosine", "  Арккосинус"},
    {"bpArctg", kHint, "  Arc tangent", "  Арктангенс"},
    {"bpArcctg", kHint, "  Arc cotangent", "  Арккотангенс"},
    {"bpSh", kHint, "  Hyperbolic sine", "  Гиперболический синус"},
    {"bpCh", kHint, "  Hyperbolic cosine", "  Гиперболический косинус"},
    {"bpTh", kHint, "  Hyperbolic tangent", "  Гиперболический тангенс"},
    {"bpCth", kHint, "  Hyperbolic cotangent", "  Гиперболический котангенс"},
    {"bpSech", kHint, "  Hyperbolic secant", "  Гиперболический секанс"},
    {"bpCosech", kHint, "  Hyperbolic cosecant", "  Гиперболический косеканс"},
    {"bpArsh", kHint, "  Inverse hyperbolic sine", "  Ареасинус"},
    {"bpArch", kHint, "  Inverse hyperbolic cosine", "  Ареакосинус"},
    {"bpArth", kHint, "  Inverse hyperbolic tangent", "  Ареатангенс"},
    {"bpArcth", kHint, "  Inverse hyperbolic cotangent", "  Ареакотангенс"},
    {"bp3Root", kHint, "  Cube root", "  Кубический корень"},
    {"bpXY", kHint, "  Raising X to Y power", "  Возведение X в степень Y"},
    {"bpX2", kHint, "  Square", "  Квадрат"},
    {"bpX3", kHint, "  Third power", "  Куб"},
    {"bpLn", kHint, "  Natural logarithm", "  Натуральный логарифм"},
    {"bpLog", kHint, "  Common logarithm", "  Десятичный логарифм"},
    {"bpLogXY", kHint, "  Logarithm of X to Y base", "  Логарифм X по основанию Y"},
    {"bpFactorial", kHint, "  Factorial", "  Факториал"},
    {"bpPI", kHint, "  Pi", "  Число Пи"},
    {"bpExp", kHint, "  Exponent", "  Экспонента"},
    {"bpStatEnter", kHint, "  Input of numbers", "  Ввод чисел"},
    {"bpStatCount", kHint, "  Quantity of the entered numbers", "  Количество введенных чисел"},
    {"bpStatSrednee", kHint, "  Average arithmetic", "  Среднее арифметическое"},
    {"bpStatSumma", kHint, "  The sum of numbers", "  Сумма чисел"},
    {"bpStatSumma2", kHint, "  The sum of squares of numbers", "  Сумма квадратов чисел"},
    {"bpStatSigmaN", kHint, "  Displacement root-mean-square of a deviation",
     "  Смещение среднеквадратического отклонения"},
    {"bpStatSigmaNm1", kHint, "  Root-mean-square of a deviation", "  Среднеквадратичное отклонение"},
    {"mmStat", kHint, "  Statistical display", "  Статистический дисплей"},
};

// The unit lists are named after the down arrow's direction, the main one.
const LanguageText kSpoken[] = {
    {"pnM%1", kName, "memory register %1", "регистр памяти %1"},
    {"RxSpeedButton7", kName, "convert from the lower unit to the upper unit",
     "перевести из нижней единицы в верхнюю"},
    {"RxSpeedButton8", kName, "convert from the upper unit to the lower unit",
     "перевести из верхней единицы в нижнюю"},
    {"cb1", kName, "from unit", "из единицы"},
    {"cb2", kName, "to unit", "в единицу"},
    {"cb1Label", kCaption, "from unit", "из единицы"},
    {"cb2Label", kCaption, "to unit", "в единицу"},
    {"mmStat", kName, "statistics list", "список статистики"},
};

// A name is set only when it changes: screen readers hear every setting as a change, and the
// language is applied again on every change of the layout.
void say(QWidget* control, const QString& text, TextRole role) {
    if (!control) return;
    if (auto* label = qobject_cast<QLabel*>(control); label && role == kCaption) {
        if (label->text() != text) label->setText(text);
    } else if (control->accessibleName() != text) {
        control->setAccessibleName(text);
    }
}

template <typename Rows> void nameKeys(QWidget* window, const Rows& rows, bool russian) {
    for (const auto& row : rows)
        say(window->findChild<QWidget*>(QString::fromLatin1(row.name)),
            QString::fromUtf8(russian ? row.spokenRussian : row.spoken), kName);
}

void nameControls(QWidget* window, bool russian) {
    nameKeys(window, keypadKeys(), russian);
    nameKeys(window, scienceKeys(), russian);
    nameKeys(window, statisticsKeys(), russian);
    for (const LanguageText& row : kSpoken) {
        const QString control = QString::fromLatin1(row.control);
        const QString text = QString::fromUtf8(russian ? row.russian : row.english);
        if (!control.contains(QLatin1String("%1"))) {
            say(window->findChild<QWidget*>(control), text, row.role);
            continue;
        }
        for (int n = 1; n <= kRegisterCount; ++n)
            say(window->findChild<QWidget*>(control.arg(n)), text.arg(n), row.role);
    }
}

} // namespace

std::span<const LanguageText> mainWindowPanelTexts() { return kTexts; }

std::span<const LanguageText> mainWindowSpokenNames() { return kSpoken; }

void applyMainWindowPanelTexts(QWidget* window, int language) {
    if (language != 0 && language != 1) return;
    applyLanguage(window, kTexts, language);
    nameControls(window, language == 1);
    auto* groups = window->findChild<QComboBox*>(QStringLiteral("cbVibor"));
    if (!groups) return;
    const int selected = groups->currentIndex();
    const Language lang = language == 1 ? Language::Russian : Language::English;
    for (int i = 0; i < kGroupCount && i < groups->count(); ++i) {
        const std::string_view name = groupName(i, lang);
        groups->setItemText(i, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    if (groups->count() > kCurrencyGroup) {
        const std::string_view name = currencyGroupName(lang);
        groups->setItemText(kCurrencyGroup, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    groups->setCurrentIndex(selected);
}

} // namespace orv
