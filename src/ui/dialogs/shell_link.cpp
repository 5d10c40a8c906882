// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "shell_link.h"

#include "about_window.h"
#include "calculator_window.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "help_viewer.h"
#include "preferences_window.h"

#include <QAction>
#include <QComboBox>
#include <QShortcut>

namespace orv {

void attachShell(TCalculator& calculator, TAbout& about, TEvaluator& evaluator, TPreForm& preferences) {
    // Apply and OK: the main window and the Evaluator take the new settings together.
    QObject::connect(&preferences, &TPreForm::applied, &calculator, [&calculator, &evaluator](const Settings& s) {
        calculator.applyPreferences(s);
        calculator.SetLang(s.Language);
        evaluator.SetLang(s.Language);
        evaluator.applyLook(displayLook(calculator));
    });
    QObject::connect(&preferences, &TPreForm::stayOnTopChosen, &calculator, &TCalculator::setStayOnTop);
    const auto command = [&calculator](const char* name, auto handler) {
        QAction* item = calculator.findChild<QAction*>(QString::fromLatin1(name));
        if (!item) return;
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, &calculator, [&calculator, handler] {
            calculator.errorHint().hideHint(); // a menu command hides the error hint first
            handler();
        });
    };
    command("miPrefer", [&preferences] { preferences.exec(); });            // miPreferClick
    // Help comes in the language the windows show, that is the applied one.
    const auto help = [&calculator](int topic, QWidget* owner) {
        openHelp(topic, calculator.settings().Language, owner);
    };
    command("miContens", [help, &calculator] { help(kContentsHelpTopic, &calculator); }); // miContensClick
    // F1 is help on this window (its topic), not the contents.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &calculator);
    f1->setObjectName(QStringLiteral("HelpKey"));
    QObject::connect(f1, &QShortcut::activated, &calculator, [&calculator, help] {
        calculator.errorHint().hideHint();
        help(kMainWindowHelpTopic, &calculator);
    });
    command("miPage", [] { openHomePage(); });                              // miPageClick
    command("miAbout", [&about] { about.exec(); });                         // miAboutClick

    // The Preferences window switches language at the choice, before Apply: its help follows it.
    QObject::connect(
        &preferences, &TPreForm::helpRequested, &preferences, [&calculator, &preferences](int topic) {
            const auto* shown = preferences.findChild<QComboBox*>(QStringLiteral("cbLang"));
            openHelp(topic, shown ? shown->currentIndex() : calculator.settings().Language, &preferences);
        });
    QObject::connect(&evaluator, &TEvaluator::helpRequested, &evaluator,
                     [help, &evaluator](int topic) { help(topic, &evaluator); });
    QObject::connect(&evaluator, &TEvaluator::preferencesRequested, &evaluator, [&preferences] { preferences.exec(); });
    QObject::connect(&evaluator, &TEvaluator::aboutRequested, &evaluator, [&about] { about.exec(); });
    QObject::connect(&evaluator, &TEvaluator::homePageRequested, &evaluator, [] { openHomePage(); });
}

} // namespace orv
