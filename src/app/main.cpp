#include "calculator_window.h"
#include "command_line.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "locale_separators.h"
#include "settings_store.h"

#include <QApplication>
#include <QLocale>

#include <iostream>

int main(int argc, char** argv) {
    // Command-line modes run before (and without) any GUI application object.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = orv::cli::runCommandLine(args, std::cin, std::cout, std::cerr)) return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvantis"));
    QApplication::setApplicationName(QStringLiteral("Orvantis"));

    const auto store = orv::openUserSettings();
    orv::TCalculator window(*store, orv::separatorsFromLocale(QLocale::system()));
    orv::TEvaluator evaluator(window.calculator(), *store, window.errorHint(), &window);
    orv::attachEvaluator(window, evaluator);
    window.show();
    return QApplication::exec();
}
