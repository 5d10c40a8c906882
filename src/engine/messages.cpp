// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "messages.h"

namespace orv {

const Messages& messagesFor(Language language) {
    static const Messages english{
        "It is impossible to divide into a zero!",
        "It is impossible to take a square root from a negative number!",
        "The value of variable must be <= 1 !",
        "The value of variable must not be 0 !",
        "The temperature in Celsius' degrees can not be lower than  -273.15 !",
        "The temperature in Kelvin's degrees can not be lower than  0 !",
        "The temperature in Fahrenheit's degrees can not be lower than  -459.67 !",
        "The temperature in Reaumur's degrees can not be lower than  -218.52 !",
        "The temperature in Rankin's degrees can not be lower than  0 !",
        "Invalid argument of %1!",
        "Overflow: the result is beyond the range of numbers!",
        "The number already has a decimal mark",
        "The clipboard holds no number",
        "Invalid argument of %1 in position %2",
        "Overflow in position %1",
        "Line %1 of the list is not a number!",
        "There are too few values in the list!",
        "Syntax error in position %1",
        " Expected '%1' in position %2 ",
        " Syntax error in position %1 ",
        " Unexpected end of expression ",
        " Unknown function %1 ",
        "%1 is wrong name ",
        " Upper limit must be upwards of lower limit ",
        " Expression is too deeply nested ",
        " Evaluation cancelled ",
        "Text after the expression in position %1",
        "Number of values",
        "Sum of %1",
        "Sum of squares of %1",
        "Mean of %1",
        "\u03C3n of %1",
        "\u03C3n-1 of %1",
        "turn",
        " (degrees)",
        " (grads)",
        " (cycles)",
        Language::English,
        {"typing", "backspace", "operation %1", "equals", "percent", "1/x", "square root", "sign change",
         "clear entry", "clear", "add to %1", "subtract from %1", "recall %1", "clear %1", "choose %1", "paste",
         "new value"},
        "Undo: %1",
        "Redo: %1",
        " (was %1)",
        "Ctrl+C clears the register; copy is Ctrl+Insert; Ctrl+Z undoes it",
    };
    static const Messages russian{
        "Нельзя делить на ноль!",
        "Нельзя извлекать корень из отрицательного числа!",
        "Значение переменной не должно превышать единицы !",
        "Значение переменной не должно быть равно 0 !",
        "Температура в градусах Цельсия не может быть ниже  -273.15 !",
        "Температура в градусах Кельвина не может быть ниже  0 !",
        "Температура в градусах Фаренгейта не может быть ниже  -459.67 !",
        "Температура в градусах Реамюра не может быть ниже  -218.52 !",
        "Температура в градусах Ренкина не может быть ниже  0 !",
        "Недопустимый аргумент функции %1!",
        "Переполнение: результат выходит за пределы диапазона чисел!",
        "В числе уже есть десятичный знак",
        "В буфере обмена нет числа",
        "Недопустимый аргумент функции %1 в позиции %2",
        "Переполнение в позиции %1",
        "Строка %1 списка не является числом!",
        "В списке слишком мало значений!",
        "Синтаксическая ошибка в позиции %1",
        " Ожидается '%1' в позиции %2 ",
        " Синтаксическая ошибка в позиции %1 ",
        " Неожиданный конец выражения ",
        " Неизвестная функция %1 ",
        "%1: неверное имя ",
        " Верхний предел должен быть не меньше нижнего ",
        " Слишком глубокая вложенность выражения ",
        " Вычисление прервано ",
        "Текст после выражения в позиции %1",
        "Количество значений",
        "Сумма %1",
        "Сумма квадратов %1",
        "Среднее %1",
        "\u03C3n %1",
        "\u03C3n-1 %1",
        "об.",
        " (градусы)",
        " (грады)",
        " (окружности)",
        Language::Russian,
        {"набор числа", "стирание цифры", "действие %1", "равно", "процент", "1/x", "квадратный корень",
         "смена знака", "сброс ввода", "сброс", "прибавление к %1", "вычитание из %1", "вызов %1", "очистка %1",
         "выбор %1", "вставка", "новое значение"},
        "Отмена: %1",
        "Возврат: %1",
        " (было %1)",
        "Ctrl+C очищает ячейку памяти; копирование — Ctrl+Insert; Ctrl+Z отменяет очистку",
    };
    return language == Language::Russian ? russian : english;
}

std::string valuesCount(int count, Language language) {
    const std::string number = std::to_string(count);
    if (language == Language::Russian) {
        const bool one = count % 10 == 1 && count % 100 != 11;
        return number + (one ? " значения" : " значений");
    }
    return number + (count == 1 ? " value" : " values");
}

std::string fillIn(std::string_view text, std::string_view first, std::string_view second) {
    std::string result;
    result.reserve(text.size() + first.size() + second.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            result += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace orv
