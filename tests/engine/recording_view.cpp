#include "recording_view.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace orv::testing {

void pressKeys(Calculator& c, std::string_view keys) {
    static const std::map<std::string, void (Calculator::*)()> named = {
        {",", &Calculator::pressDecimalSeparator}, {"=", &Calculator::pressEquals},
        {"%", &Calculator::pressPercent},          {"1/x", &Calculator::pressReciprocal},
        {"sqrt", &Calculator::pressSquareRoot},    {"+/-", &Calculator::pressSignChange},
        {"CE", &Calculator::pressClearEntry},      {"C", &Calculator::pressClear},
        {"BS", &Calculator::pressBackspace},       {"M+", &Calculator::pressMemoryPlus},
        {"M-", &Calculator::pressMemoryMinus},     {"MR", &Calculator::pressMemoryRecall},
        {"MC", &Calculator::pressMemoryClear},
    };
    static const std::map<std::string, Operation> operations = {
        {"+", Operation::opAdd},       {"-", Operation::opSubtract}, {"*", Operation::opMultiply},
        {"/", Operation::opDivide},    {"^", Operation::opPower},    {"log", Operation::opLogBase},
    };
    std::istringstream words{std::string(keys)};
    std::string word;
    while (words >> word) {
        if (auto it = named.find(word); it != named.end()) {
            (c.*(it->second))();
        } else if (auto op = operations.find(word); op != operations.end()) {
            c.pressOperation(op->second);
        } else if (word.size() > 1 && word[0] == 'M') {
            c.selectRegister(std::stoi(word.substr(1)));
        } else if (word.find_first_not_of("0123456789,") == std::string::npos) {
            for (char ch : word) {
                if (ch == ',') c.pressDecimalSeparator();
                else c.Special_Click(ch - '0');
            }
        } else {
            throw std::invalid_argument("unknown key " + word);
        }
    }
}

} // namespace orv::testing
