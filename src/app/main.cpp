#include "about_window.h"
#include "calculator_window.h"
#include "command_line.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "locale_separators.h"
#include "preferences_window.h"
#include "program_picture.h"
#include "settings_store.h"
#include "shell_link.h"
#include "termination_signals.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <iostream>

namespace {

// The first showing puts the window in the middle of the screen at its restored size.
void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

int main(int argc, char** argv) {
    // Command-line modes run before (and without) any GUI application object.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = orv::cli::runCommandLine(args, std::cin, std::cout, std::cerr)) return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvantis"));
    QApplication::setApplicationName(QStringLiteral("Orvantis"));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvantis"));
    QApplication::setWindowIcon(orv::programIcon());

    // The windows, in order: the main window reads every setting while it is created.
    const auto store = orv::openUserSettings();
    orv::TCalculator window(*store, orv::separatorsFromLocale(QLocale::system()));
    orv::TAbout about(window, &window);
    orv::TEvaluator evaluator(window.calculator(), *store, window.errorHint(), &window);
    orv::TPreForm preferences(*store, window, &window);
    orv::attachEvaluator(window, evaluator);
    orv::attachShell(window, about, evaluator, preferences);

    // The working state also survives a session end and a termination signal, not only a
    // closed window: each writes it, and a signal then ends the event loop as closing does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.SaveWorkingState(); });
    const orv::TerminationSignals terminationSignals([&window](int) {
        window.SaveWorkingState();
        QApplication::quit();
    });

    centreOnScreen(window);
    window.show();
    const int status = QApplication::exec();
    window.SaveWorkingState();
    return status;
}
