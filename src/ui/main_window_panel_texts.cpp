// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "main_window_panel_texts.h"

#include "unit_catalogue.h"

#include <QComboBox>
#include <QWidget>

namespace orv {
namespace {

constexpr TextRole kCaption = TextRole::Caption;
constexpr TextRole kHint = TextRole::Hint;

const LanguageText kTexts[] = {
    {"cbVibor", kHint, "Kind of units", "Список групп физических величин"},
    {"cb1", kHint, "List of units", "Список физических величин"},
    {"cb2", kHint, "List of units", "Список физических величин"},
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

} // namespace

std::span<const LanguageText> mainWindowPanelTexts() { return kTexts; }

void applyMainWindowPanelTexts(QWidget* window, int language) {
    if (language != 0 && language != 1) return;
    applyLanguage(window, kTexts, language);
    auto* groups = window->findChild<QComboBox*>(QStringLiteral("cbVibor"));
    if (!groups) return;
    const int selected = groups->currentIndex();
    const Language lang = language == 1 ? Language::Russian : Language::English;
    for (int i = 0; i < kGroupCount && i < groups->count(); ++i) {
        const std::string_view name = groupName(i, lang);
        groups->setItemText(i, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    groups->setCurrentIndex(selected);
}

} // namespace orv
