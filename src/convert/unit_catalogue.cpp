#include "unit_catalogue.h"

#include "number_text.h"
#include "separators.h"

#include <array>
#include <cstddef>

namespace orv {
namespace {

constexpr GroupNames kGroups[kGroupCount] = {
    {"Length", "Длина"},
    {"Area", "Площадь"},
    {"Volume&Capacity", "Объем"},
    {"Mass", "Масса"},
    {"Temperature", "Температура"},
    {"Pressure", "Давление"},
    {"Time", "Время"},
    {"Force", "Сила"},
    {"Power", "Мощность"},
    {"Prefixes", "Приставки"},
};

// The whole catalogue. Factors are kept as decimal text so that each becomes the Extended
// nearest to it, not the nearest double.
constexpr UnitRow kUnits[] = {
    {0, 0, "Meter", "Метр", "1"},
    {0, 1, "Decimeter", "Дециметр", "0.1"},
    {0, 2, "Centimeter", "Сантиметр", "0.01"},
    {0, 3, "Millimeter", "Миллиметр", "0.001"},
    {0, 4, "Kilometer", "Километр", "1000"},
    {0, 5, "Micrometer", "Микрометр", "0.000001"},
    {0, 6, "Nanometer", "Нанометр", "1e-9"},
    {0, 7, "Picometer", "Пикометр", "1e-12"},
    {0, 8, "Angstrem", "Ангстрем", "1e-10"},
    {0, 9, "X-unit", "Икс-единица", "1.00206e-13"},
    {0, 10, "Fermi", "Ферми", "1e-15"},
    {0, 11, "Astronomical unit", "Астороном. ед.", "1.496e11"},
    {0, 12, "Light year", "Световой год", "9.46e15"},
    {0, 13, "Parsec", "Парсек", "3.086e16"},
    {0, 14, "Mile", "Миля", "1609.344"},
    {0, 15, "Sea mile", "Морская миля", "1852"},
    {0, 16, "Inch", "Дюйм", "0.0254"},
    {0, 17, "Foot", "Фут", "0.3048"},
    {0, 18, "Yard", "Ярд", "0.9144"},
    {0, 19, "Cable", "Кабельтов", "185.2"},
    {0, 20, "Cable - British", "Кабельтов (UK)", "182.88"},
    {0, 21, "Cable - US", "Кабельтов (USA)", "219.456"},
    {0, 22, "Furlong", "Фарлонг", "201.168"},
    {0, 23, "League", "Лига", "4828.032"},
    {0, 24, "Sea league", "Лига морская", "5556"},
    {0, 25, "Chain (Gunter's surveyor's)", "Чейн геодезический", "20.1168"},
    {0, 26, "Chain (engeneering's)", "Чейн строительный", "30.48"},
    {0, 27, "Rod", "Род", "5.0292"},
    {0, 28, "Fathom", "Фатом", "1.8288"},
    {0, 29, "Ell", "Эль", "1.143"},
    {0, 30, "Pace", "Пейс", "0.762"},
    {0, 31, "Cubit", "Кубит", "0.4572"},
    {0, 32, "Span", "Спен", "0.2286"},
    {0, 33, "Link (Gunter's surveyor's)", "Линк геодезический", "0.201168"},
    {0, 34, "Link (engeneering's)", "Линк строительный", "0.3048"},
    {0, 35, "Finger", "Фингер", "0.1143"},
    {0, 36, "Hand", "Хенд", "0.1016"},
    {0, 37, "Nail", "Нейл", "0.05625"},
    {0, 38, "Barleycorn", "Барликорн", "0.00846666666"},
    {0, 39, "Mil", "Мил", "0.0000254"},
    {0, 40, "Long line", "Большая линия", "0.00254"},
    {0, 41, "Short line", "Малая линия", "0.00212"},
    {0, 42, "Arshin - Russian", "Аршин", "0.7112"},
    {0, 43, "Vershok - Russian", "Вершок", "0.04445"},
    {0, 44, "Verst - Russian", "Верста", "1066.8"},
    {0, 45, "Sazhen - Russian", "Сажень", "2.1336"},
    {0, 46, "Lokot - Russian", "Локоть", "0.42"},
    {0, 47, "Pyad - Russian", "Пядь", "0.1778"},
    {0, 48, "Point - Russian", "Точка (Russia)", "0.000254"},
    {0, 49, "Line - Russian", "Линия (Russia)", "0.00254"},
    {1, 0, "Square meter", "Кв. метр", "1"},
    {1, 1, "Square kilometer", "Кв. километр", "1000000"},
    {1, 2, "Square decimeter", "Кв. дециметр", "0.01"},
    {1, 3, "Square centimeter", "Кв. сантиметр", "0.0001"},
    {1, 4, "Square millimeter", "Кв. миллиметр", "0.000001"},
    {1, 5, "Acre", "Акр", "4046.9"},
    {1, 6, "Are", "Ар", "100"},
    {1, 7, "Barn", "Барн", "1e-28"},
    {1, 8, "Hectare", "Гектар", "10000"},
    {1, 9, "Square inch", "Кв. дюйм", "0.00064516"},
    {1, 10, "Square foot", "Кв. фут", "0.092903"},
    {1, 11, "Square yard", "Кв. ярд", "0.8361273"},
    {1, 12, "Square mile", "Кв. миля", "2589988.1"},
    {1, 13, "Square chain", "Кв. чейн", "404.68564"},
    {1, 14, "Square fathom", "Кв. фатом", "3.3445094"},
    {1, 15, "Square rod", "Кв. род", "25.292852"},
    {1, 16, "Rood", "Руд", "1010"},
    {1, 17, "Township", "Тауншип", "93239571"},
    {1, 18, "Square line (long)", "Кв. линия (большая)", "0.0000064516"},
    {1, 19, "Square arshin - Russian", "Кв. аршин", "0.50580544"},
    {1, 20, "Square vershok - Russian", "Кв. вершок", "0.0019758025"},
    {1, 21, "Square versta - Russian", "Кв. верста", "1138062.2"},
    {1, 22, "Square sazhen - Russian", "Кв. сажень", "4.5522489"},
    {1, 23, "Desyatina - Russian", "Десятина", "10925"},
    {2, 0, "Cubic meter", "Куб. метр", "1"},
    {2, 1, "Cubic kilometer", "Куб. километр", "1000000000"},
    {2, 2, "Cubic decimeter", "Куб. дециметр", "0.001"},
    {2, 3, "Cubic centimeter", "Куб. сантиметр", "0.000001"},
    {2, 4, "Cubic millimeter", "Куб. миллиметр", "1e-9"},
    {2, 5, "Litre", "Литр", "0.001"},
    {2, 6, "Hectolitre", "Гектолитр", "0.1"},
    {2, 7, "Decalitre", "Декалитр", "0.01"},
    {2, 8, "Millilitre", "Миллилитр", "0.000001"},
    {2, 9, "Cubic yard", "Куб. ярд", "0.7646"},
    {2, 10, "Cubic foot", "Куб. фут", "0.0283169"},
    {2, 11, "Cubic inch", "Куб. дюйм", "0.000016387"},
    {2, 12, "Board foot", "Борд фут", "0.00236"},
    {2, 13, "Acrofoot", "Акрофут", "1233.5019"},
    {2, 14, "Register tonne", "Тонна регистровая", "2.83"},
    {2, 15, "Freight tonne", "Тонна фрахтовая (корабельная)", "1.13"},
    {2, 16, "Rod", "Род", "28.3"},
    {2, 17, "Cubic fathom", "Куб. фатом (для круглого леса)", "6.116"},
    {2, 18, "Standart", "Стандарт (для пиломатериалов)", "4.672"},
    {2, 19, "Cord (big)", "Корд большой (для дров)", "3.624"},
    {2, 20, "Cord (small)", "Корд малый (для круглого леса)", "3.568"},
    {2, 21, "Stack", "Стек", "3.04"},
    {2, 22, "Load (small)", "Лоуд (для круглого леса)", "1.12"},
    {2, 23, "Load (big)", "Лоуд (для пиломатериалов)", "1.416"},
    {2, 24, "Pipe", "Пайп", "0.47733"},
    {2, 25, "Hogshead", "Хогсхед", "0.23867"},
    {2, 26, "Barrel (for liquids) - British", "Баррель (для жидкостей) - British", "0.1636"},
    {2, 27, "Barrel (for liquids) - USA", "Баррель (для жидкостей) - USA", "0.1192"},
    {2, 28, "Barrel (for crude oil) - British", "Баррель (для неочищенного масла) - British", "0.158988"},
    {2, 29, "Barrel (for crude oil) - USA", "Баррель (для неочищенного масла) - USA", "0.158987294928"},
    {2, 30, "Pottle", "Потл", "0.00227"},
    {2, 31, "Quart (for liquids) - British", "Кварта (для жидкостей) - British", "0.001136"},
    {2, 32, "Quart (for liquids) - USA", "Кварта (для жидкостей) - USA", "0.000946"},
    {2, 33, "Gallon - British", "Галлон - British", "0.004546"},
    {2, 34, "Gallon - USA", "Галлон - USA", "0.003785"},
    {2, 35, "Pint (for liquids) - British", "Пинта (для жидкостей) - British", "0.00057"},
    {2, 36, "Pint (for liquids) - USA", "Пинта (для жидкостей) - USA", "0.0004732"},
    {2, 37, "Gill - British", "Джилл (гилл) - British", "0.000142"},
    {2, 38, "Gill - USA", "Джилл (гилл) - USA", "0.000118"},
    {2, 39, "Drachm (for liquids) - British", "Драхма (для жидкостей) - British", "0.00000355"},
    {2, 40, "Drachm (for liquids) - USA", "Драхма (для жидкостей) - USA", "0.0000036966911953125"},
    {2, 41, "Ounce (for liquids) - British", "Унция (для жидкостей) - British", "0.0000284"},
    {2, 42, "Ounce (for liquids) - USA", "Унция (для жидкостей) - USA", "0.00002957"},
    {2, 43, "Wineglass", "Рюмка", "0.0000568"},
    {2, 44, "Table-spoon", "Столовая ложка", "0.0000142"},
    {2, 45, "Tea-spoon", "Чайная ложка", "0.0000044"},
    {2, 46, "Minim", "Миним", "6e-8"},
    {2, 47, "Bochka", "Бочка", "0.49191"},
    {2, 48, "Quater of bucket", "Четверть (ведра)", "0.0030749"},
    {2, 49, "Quater", "Квартер", "0.291"},
    {2, 50, "Coomb - British", "Коум - British", "0.1455"},
    {2, 51, "Coomb - USA", "Коум - USA", "0.141"},
    {2, 52, "Sac", "Сак", "0.1091"},
    {2, 53, "Strike", "Страйк", "0.07273"},
    {2, 54, "Bushel - British", "Бушель - British", "0.03635"},
    {2, 55, "Bushel - USA", "Бушель - USA", "0.03524"},
    {2, 56, "Peck - British", "Пек - British", "0.00909218"},
    {2, 57, "Peck - USA", "Пек - USA", "0.00880976754172"},
    {2, 58, "Quater (dry) - British", "Кварта (для сыпучих веществ) - British", "0.00114"},
    {2, 59, "Quater (dry) - USA", "Кварта (для сыпучих веществ) - USA", "0.001101"},
    {2, 60, "Pint (dry) - British", "Пинта (для сыпучих веществ) - British", "0.0005683"},
    {2, 61, "Pint (dry) - USA", "Пинта (для сыпучих веществ) - USA", "0.0005506"},
    {2, 62, "Cubic line - Russian", "Куб. линия - Russian", "1.6387e-8"},
    {2, 63, "Cubic vershok - Russian", "Куб. вершок - Russian", "0.000087824"},
    {2, 64, "Shtoff - Russian", "Штоф - Russian", "0.00123"},
    {2, 65, "Harnets - Russian", "Гарнец - Russian", "0.00327984"},
    {2, 66, "Vedro - Russian", "Ведро - Russian", "0.0123"},
    {2, 67, "Chetvert - Russian", "Четверть (для сыпучих веществ) - Russian", "0.20991"},
    {2, 68, "Chetveric - Russian", "Четверик - Russian", "0.026239"},
    {2, 69, "Cubic arshin - Russian", "Куб. аршин - Russian", "0.35972"},
    {2, 70, "Cubic sazhen - Russian", "Куб. сажень - Russian", "9.7126"},
    {2, 71, "Kruzhka - Russian", "Кружка - Russian", "0.00123"},
    {2, 72, "Table-spoon - Russian", "Столовая ложка - Russian", "0.000015"},
    {2, 73, "Tea-spoon - Russian", "Чайная ложка - Russian", "0.000005"},
    {2, 74, "Shkalik - Russian", "Шкалик - Russian", "0.000061497"},
    {2, 75, "Charka - Russian", "Чарка - Russian", "0.000123"},
    {2, 76, "Vodka bottle- Russian", "Водочная бутылка - Russian", "0.000624"},
    {2, 77, "Vine bottle - Russian", "Винная бутылка - Russian", "0.00077"},
    {2, 78, "Quart - Russian", "Кварта - Russian", "0.00123"},
    {3, 0, "Kilogram", "Килограмм", "1"},
    {3, 1, "Gram", "Грамм", "0.001"},
    {3, 2, "Milligram", "Миллиграмм", "0.000001"},
    {3, 3, "Centner", "Центнер", "100"},
    {3, 4, "Tonne", "Тонна", "1000"},
    {3, 5, "Kilotonne", "Килотонна", "1000000"},
    {3, 6, "Long ton", "Тонна длинная", "1016"},
    {3, 7, "Short ton", "Тонна короткая", "907"},
    {3, 8, "Long hundredweight", "Центнер длинный", "50.8"},
    {3, 9, "Short hundredweight", "Центнер короткий", "45.36"},
    {3, 10, "Pound", "Фунт (торговый)", "0.45359"},
    {3, 11, "Pound (apothecaries)", "Фунт (аптекарский)", "0.3732"},
    {3, 12, "Ounce (troy)", "Тройская унция", "0.0311"},
    {3, 13, "Ounce (apothecaries)", "Аптекарская унция", "0.0311"},
    {3, 14, "Ounce", "Торговая унция", "0.02835"},
    {3, 15, "Drachm (troy)", "Драхма тройская", "0.00389"},
    {3, 16, "Drachm (apothecaries)", "Драхма аптекарская", "0.0038879346"},
    {3, 17, "Drachm - British", "Драхма (английская)", "0.001772"},
    {3, 18, "Grain", "Гран", "0.0000648"},
    {3, 19, "Quintal - British", "Квинтал (английский)", "50.80208"},
    {3, 20, "Quintal - US", "Квинтал (американский)", "45.359"},
    {3, 21, "Scruple", "Скрупул", "0.0013"},
    {3, 22, "Hundredweight", "Хандредвейт", "50.8"},
    {3, 23, "Cental", "Центал", "45.36"},
    {3, 24, "Quater (long)", "Квартер (длинный)", "12.7"},
    {3, 25, "Quater (short)", "Квартер (короткий)", "11.34"},
    {3, 26, "Tod ", "Тод ", "12.7"},
    {3, 27, "Stone", "Стоун", "6.35"},
    {3, 28, "Clove", "Клов ", "3.175"},
    {3, 29, "Quartern", "Квартерн", "1.58"},
    {3, 30, "Pennyweigt", "Пеннивейт", "0.001555"},
    {3, 31, "Carat", "Карат", "0.0002"},
    {3, 32, "Mite", "Майт", "0.00000324"},
    {3, 33, "Periot", "Пириот", "6.75e-9"},
    {3, 34, "Blank", "Блэнк", "2.8e-10"},
    {3, 35, "Dyne", "Дина", "0.00000101971621"},
    {3, 36, "Bercovetsk - Russian", "Берковец", "163.8"},
    {3, 37, "Pood - Russian", "Пуд", "16.3805"},
    {3, 38, "Pound - Russian", "Фунт", "0.40951"},
    {3, 39, "Lot - Russian", "Лот", "0.012797"},
    {3, 40, "Zolotnic - Russian", "Золотник", "0.0042657"},
    {3, 41, "Dolya - Russian", "Доля", "0.000044435"},
    {4, 0, "Celsius' degree", "Градус Цельсия", ""},
    {4, 1, "Kelvin's degree", "Градус Кельвина", ""},
    {4, 2, "Fahrenheit's degree", "Градус Фаренгейта", ""},
    {4, 3, "Reaumur's degree", "Градус Реомюра", ""},
    {4, 4, "Rankin's degree", "Градус Ренкина", ""},
    {5, 0, "Pascal", "Паскаль", "1"},
    {5, 1, "Atmosphere (technical)", "Атмосфера техн.", "98066.5"},
    {5, 2, "Atmosphere (physical)", "Атмосфера физич.", "101325"},
    {5, 3, "Bar", "Бар", "100000"},
    {5, 4, "Millimeter of mercury", "мм.рт.ст.", "133.322"},
    {5, 5, "Millimeter of water", "мм.вод.ст.", "9.80665"},
    {5, 6, "Dyne per square centimeter", "Дина на кв. см", "0.1"},
    {5, 7, "Inch of water", "Дюйм вод.ст.", "249.089"},
    {5, 8, "Inch of mercury", "Дюйм рт.ст.", "3386.39"},
    {5, 9, "Kilogram-force per square meter", "Килограмм-сила на кв.м", "9.80665"},
    {5, 10, "Kilogram-force per square centimeter", "Килограмм-сила на кв.см", "98066.5"},
    {5, 11, "Kilogram-force per square millimeter", "Килограмм-сила на кв.мм", "9806650"},
    {5, 12, "Pieza", "Пьеза", "1000"},
    {5, 13, "Tonne-force per square meter", "Тонна-сила на кв.м", "9806.65"},
    {5, 14, "Torr", "Торр", "133.322"},
    {5, 15, "Pound-force per square inch", "Фунт-сила на кв.дюйм", "6894.76"},
    {5, 16, "Foot of water", "Фут вод.ст.", "2989.07"},
    {6, 0, "Second", "Секунда", "1"},
    {6, 1, "Minute", "Минута", "60"},
    {6, 2, "Hour", "Час", "3600"},
    {6, 3, "Day", "День", "86400"},
    {6, 4, "Week", "Неделя", "604800"},
    {6, 5, "Lunar month", "Лунный месяц", "2419199"},
    {6, 6, "Year", "Год", "31556925.4442"},
    {6, 7, "Century", "Век (столетие)", "3155692544.42"},
    {6, 8, "Millenium", "Тысячелетие", "31556925444.2"},
    {7, 0, "Newton", "Ньютон", "1"},
    {7, 1, "Dyne", "Дина", "0.00001"},
    {7, 2, "Kilogram-force", "Килограмм-сила", "9.80665"},
    {7, 3, "Poundal", "Фунтал", "0.138255"},
    {7, 4, "Pond", "Понд", "0.00980665"},
    {7, 5, "Stan", "Стен", "1000"},
    {7, 6, "Tonne-force", "Тонна-сила", "9806.65"},
    {7, 7, "Pound-force", "Фунт-сила", "4.44822"},
    {8, 0, "Watt", "Ватт", "1"},
    {8, 1, "Kilowatt", "Киловатт", "1000"},
    {8, 2, "Horse-power", "Лошадиная сила", "735.499"},
    {8, 3, "Horse-power - British", "Лошадиная сила (Великобритания)", "745.7"},
    {8, 4, "Calorie per second", "Калория в сек.", "4.1868"},
    {8, 5, "Kilogram-force-meter per second", "Килограмм-сила-метр в сек.", "9.80665"},
    {8, 6, "Erg per second", "Эрг в секунду", "1e-7"},
    {9, 0, "Input data", "Исходная величина", "1"},
    {9, 1, "Yotto", "Уотта", "1e24"},
    {9, 2, "Zetta", "Зетта", "1e21"},
    {9, 3, "Exa", "Экса", "1e18"},
    {9, 4, "Peta", "Пета", "1e15"},
    {9, 5, "Tera", "Тера", "1e12"},
    {9, 6, "Giga", "Гига", "1000000000"},
    {9, 7, "Mega", "Мега", "1000000"},
    {9, 8, "Kilo", "Кило", "1000"},
    {9, 9, "Hecto", "Гекто", "100"},
    {9, 10, "Deca", "Дека", "10"},
    {9, 11, "Deci", "Деци", "0.1"},
    {9, 12, "Centi", "Санти", "0.01"},
    {9, 13, "Milli", "Милли", "0.001"},
    {9, 14, "Micro", "Микро", "0.000001"},
    {9, 15, "Nano", "Нано", "1e-9"},
    {9, 16, "Pico", "Пико", "1e-12"},
    {9, 17, "Femto", "Фемто", "1e-15"},
    {9, 18, "Atto", "Атто", "1e-18"},
    {9, 19, "Zepto", "Зепто", "1e-21"},
    {9, 20, "Yocto", "Уокто", "1e-24"},
};

constexpr std::size_t kUnitTotal = std::size(kUnits);

// First row of each group, and one past the last group.
constexpr std::array<std::size_t, kGroupCount + 1> kGroupStart = [] {
    std::array<std::size_t, kGroupCount + 1> start{};
    std::size_t row = 0;
    for (int group = 0; group < kGroupCount; ++group) {
        start[static_cast<std::size_t>(group)] = row;
        while (row < kUnitTotal && kUnits[row].group == group)
            ++row;
    }
    start[kGroupCount] = row;
    return start;
}();

static_assert(kGroupStart[kGroupCount] == kUnitTotal, "catalogue rows must be ordered by group");

const std::array<std::optional<Extended>, kUnitTotal>& factors() {
    static const auto table = [] {
        std::array<std::optional<Extended>, kUnitTotal> parsed{};
        for (std::size_t i = 0; i < kUnitTotal; ++i) {
            if (!kUnits[i].factorText.empty()) parsed[i] = parseNumber(kUnits[i].factorText, dotSeparators());
        }
        return parsed;
    }();
    return table;
}

} // namespace

std::span<const UnitRow> catalogue() {
    return kUnits;
}

std::span<const UnitRow> groupUnits(int group) {
    if (group < 0 || group >= kGroupCount) return {};
    const auto g = static_cast<std::size_t>(group);
    return std::span<const UnitRow>(kUnits).subspan(kGroupStart[g], kGroupStart[g + 1] - kGroupStart[g]);
}

int unitCount(int group) {
    return static_cast<int>(groupUnits(group).size());
}

bool isUnit(int group, int unit) {
    return unit >= 0 && unit < unitCount(group);
}

std::string_view groupName(int group, Language language) {
    if (group < 0 || group >= kGroupCount) return {};
    return kGroups[group].name(language);
}

std::string_view unitName(int group, int unit, Language language) {
    if (!isUnit(group, unit)) return {};
    return groupUnits(group)[static_cast<std::size_t>(unit)].name(language);
}

std::vector<std::string_view> unitNames(int group, Language language) {
    std::vector<std::string_view> names;
    for (const UnitRow& row : groupUnits(group))
        names.push_back(row.name(language));
    return names;
}

std::optional<Extended> unitFactor(int group, int unit) {
    if (!isUnit(group, unit)) return std::nullopt;
    return factors()[kGroupStart[static_cast<std::size_t>(group)] + static_cast<std::size_t>(unit)];
}

} // namespace orv
