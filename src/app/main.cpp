// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "about_window.h"
#include "calculator_window.h"
#include "command_line.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "locale_separators.h"
#include "preferences_window.h"
#include "program_identity.h"
#include "program_picture.h"
#include "rates_command.h"
#include "settings_store.h"
#include "settings_values.h"
#include "shell_link.h"
#include "termination_signals.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <functional>

#include <iostream>
#include <memory>

namespace {

// The first showing puts the window in the middle of the screen at its restored size.
void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Runs `action` from the event loop once the window is first exposed, that is, on screen.
void runAfterFirstExpose(QWidget& window, std::function<void()> action) {
    class ExposeWatch : public QObject {
    public:
        ExposeWatch(QWindow* watched, std::function<void()> action) : QObject(watched), action_(std::move(action)) {
            watched->installEventFilter(this);
        }
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, watched, std::move(action_));
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> action_;
    };
    if (QWindow* handle = window.windowHandle()) new ExposeWatch(handle, std::move(action));
    else QTimer::singleShot(0, &window, std::move(action));
}

} // namespace

int main(int argc, char** argv) {
    // Command-line modes run before (and without) any GUI application object.
    // The C++ streams serve those modes alone: unsynchronised with C's, they buffer on their own
    // and a line of a batch costs no call into the C library for every character.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The bank is read from the settings only by a command that needs the rates.
    orv::CommandLineRates rates([] {
        const auto store = orv::openUserSettings();
        return store->readInteger(orv::value::RRateSource, 0) == 1 ? orv::RateSource::BankOfRussia
                                                                     : orv::RateSource::EuropeanCentralBank;
    });
    if (const auto status = orv::cli::runCommandLine(args, std::cin, std::cout, std::cerr, &rates)) return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvantis"));
    QApplication::setApplicationName(QStringLiteral("Orvantis"));
    QApplication::setApplicationVersion(QString::fromUtf8(orv::identity::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(orv::identity::kApplicationId));

    // The main window reads every setting while it is created and is shown first; the About,
    // Evaluator and Preferences windows follow, in that order, once it is on screen (they are
    // modal and hidden until asked for, so nobody can reach them sooner, and start-up stays quick).
    const auto store = orv::openUserSettings();
    orv::TCalculator window(*store, orv::separatorsFromLocale(QLocale::system()));
    std::unique_ptr<orv::TAbout> about;
    std::unique_ptr<orv::TEvaluator> evaluator;
    std::unique_ptr<orv::TPreForm> preferences;
    const auto createHiddenWindows = [&] {
        about = std::make_unique<orv::TAbout>(window, &window);
        evaluator = std::make_unique<orv::TEvaluator>(window.calculator(), *store, window.errorHint(), &window);
        preferences = std::make_unique<orv::TPreForm>(*store, window, &window);
        orv::attachEvaluator(window, *evaluator);
        orv::attachShell(window, *about, *evaluator, *preferences);
        // The icon theme's picture where one is installed, else the one drawn here at several
        // sizes; that too waits until the window is on screen.
        QApplication::setWindowIcon(
            QIcon::fromTheme(QString::fromUtf8(orv::identity::kApplicationId), orv::programIcon()));
    };

    // The working state also survives a session end and a termination signal, not only a
    // closed window: each writes it, and a signal then ends the event loop as closing does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.SaveWorkingState(); });
    const orv::TerminationSignals terminationSignals([&window](int) {
        window.setSaveFailureBox(false); // the line on standard error below says it instead
        window.SaveWorkingState();
        QApplication::quit();
    });

    centreOnScreen(window);
    window.show();
    runAfterFirstExpose(window, createHiddenWindows);
    const int status = QApplication::exec();
    const auto failure = window.SaveWorkingState();
    // The hidden windows go before the main window that parents them.
    preferences.reset();
    evaluator.reset();
    about.reset();
    if (!failure) return status;
    // Whoever ended the program, a box may have told the user at the screen; this is for a
    // terminal, a log, a session manager, and the status for a script.
    std::cerr << "orvantis: the settings could not be saved to " << failure->file.toStdString() << ": "
              << failure->reason.toStdString() << '\n';
    return 1;
}
