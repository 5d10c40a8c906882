// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// What every window shares: the language tables reaching their controls, menus and Qt's own texts in each language, the shell's commands and dialogs opened again and again.
#include "shell_fixture.h"

namespace orv::testing {
namespace {

TEST_F(ShellTest, EveryTextOfTheLanguageTablesHasItsControl) {
    window->findChild<QAction*>(QStringLiteral("miConvert"))->trigger();
    window->findChild<QAction*>(QStringLiteral("miScience"))->trigger();
    window->findChild<QAction*>(QStringLiteral("miStatist"))->trigger();
    const std::pair<QWidget*, std::span<const LanguageText>> tables[] = {
        {prefs.get(), preferencesTexts()}, {window.get(), mainWindowPanelTexts()}};
    for (const auto& [owner, table] : tables)
        for (const LanguageText& row : table)
            EXPECT_TRUE(owner->objectName() == QLatin1String(row.control) ||
                        owner->findChild<QObject*>(QString::fromLatin1(row.control)))
                << row.control;
}


struct WindowLanguageRow {
    const char* name;
    int language;
    const char* foreignLetters;
};

class WindowLanguageTest : public ShellTest, public ::testing::WithParamInterface<WindowLanguageRow> {};

void collectDescriptions(QAccessibleInterface* node, std::vector<std::pair<QObject*, QString>>& found) {
    const QString description = node->text(QAccessible::Description).simplified();
    if (!description.isEmpty()) found.emplace_back(node->object(), description);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i)) collectDescriptions(child, found);
}

void checkMenu(QWidget* menu) {
    QSet<QChar> letters;
    for (QAction* action : menu->actions()) {
        const QString text = action->text();
        if (action->isSeparator()) continue;
        EXPECT_EQ(text.count(QLatin1Char('&')), 1) << text.toStdString();
        const qsizetype at = text.indexOf(QLatin1Char('&')) + 1;
        if (at == 0 || at == text.size()) continue;
        EXPECT_FALSE(letters.contains(text.at(at).toLower())) << text.toStdString();
        letters.insert(text.at(at).toLower());
    }
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < a->childCount(); ++i)
        EXPECT_FALSE(a->child(i)->text(QAccessible::Name).contains(QLatin1Char('\t')))
            << a->child(i)->text(QAccessible::Name).toStdString();
}

TEST_P(WindowLanguageTest, MenusHaveAccessLettersAndDescriptionsAreInTheLanguage) {
    for (const char* command : {"miConvert", "miScience", "miStatist", "miTape"})
        window->findChild<QAction*>(QString::fromLatin1(command))->trigger();
    openPrefs();
    chooseLanguage(GetParam().language);
    if (pref<QPushButton>("bbApply")->isEnabled()) click("bbApply");
    about->show(); // it takes the language as it comes up

    checkMenu(window->menuBar());
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
        emit menu->aboutToShow(); // Undo and Redo are named as the menu opens
        checkMenu(menu);
    }
    ASSERT_NE(window->tapeWindow(), nullptr);
    checkMenu(window->tapeWindow()->findChild<QMenu*>(QStringLiteral("pmTape")));

    QStringList keyWords;
    for (const KeypadKeyRow& key : keypadKeys())
        keyWords << QString::fromUtf8(key.hint).split(QRegularExpression(QStringLiteral("[^A-Za-z]+")),
                                                      Qt::SkipEmptyParts);
    const QRegularExpression keyNames(QStringLiteral("\\b(%1)\\b").arg(keyWords.join(QLatin1Char('|'))));
    const QRegularExpression foreign(QString::fromUtf8(GetParam().foreignLetters));
    QWidget* const windows[] = {window.get(), prefs.get(), evaluator.get(), about.get(), window->tapeWindow()};
    for (QWidget* shown : windows) {
        std::vector<std::pair<QObject*, QString>> descriptions;
        collectDescriptions(QAccessible::queryAccessibleInterface(shown), descriptions);
        EXPECT_FALSE(descriptions.empty()) << shown->objectName().toStdString();
        for (const auto& [control, description] : descriptions) {
            auto* list = qobject_cast<QComboBox*>(control);
            if (list && description == list->currentText()) continue;
            EXPECT_FALSE(QString(description).remove(keyNames).contains(foreign))
                << (control ? control->objectName() : QString()).toStdString() << ": " << description.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLanguageTest,
                         ::testing::Values(WindowLanguageRow{"English", 0, "[\\x{0400}-\\x{04FF}]"},
                                           WindowLanguageRow{"Russian", 1, "[A-Za-z]{2,}"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, QtsOwnTextsFollowTheAppliedLanguage) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QStringLiteral("/qtbase_ru.qm")))
        GTEST_SKIP() << "Qt's Russian translation is not installed";
    // An edit field's context menu and a standard button, as Qt makes them at this moment.
    const auto qtTexts = [] {
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        std::vector<std::string> texts;
        // Without the key after the tab: Qt shows it only while no window's own action has the
        // key, and the main window's Undo and Redo take Ctrl+Z and Ctrl+Y.
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) texts.push_back(action->text().section(QLatin1Char('\t'), 0, 0).toStdString());
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        texts.push_back(box.button(QDialogButtonBox::Cancel)->text().toStdString());
        return texts;
    };
    const std::vector<std::string> english = qtTexts();
    openPrefs();
    chooseLanguage(1);
    EXPECT_EQ(qtTexts(), english) << "Qt's texts wait for Apply like the other windows";
    click("bbApply");
    const std::vector<std::string> russian = qtTexts();
    ASSERT_EQ(russian.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i)
        EXPECT_NE(russian[i], english[i]);
    chooseLanguage(0);
    click("bbApply");
    EXPECT_EQ(qtTexts(), english);

    // Without the file Qt stays in English, and that is no error.
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_FALSE(applyToolkitLanguage(1, empty.path()));
    EXPECT_EQ(qtTexts(), english);
    EXPECT_TRUE(applyToolkitLanguage(1, folder));
    EXPECT_FALSE(applyToolkitLanguage(0));
    EXPECT_EQ(qtTexts(), english);
}

TEST_F(ShellTest, TheShellCommandsAreEnabledOnceTheirWindowsExist) {
    for (const char* name : {"miPrefer", "miContens", "miPage", "miAbout"})
        EXPECT_TRUE(window->findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
}

// Each opening of a dialog through its command, closed as soon as it is up.
struct OpeningRow {
    const char* name;
    QDialog* (*dialog)(ShellTest&);
    void (*open)(ShellTest&);
};

TEST_F(ShellTest, OpeningADialogAgainAndAgainKeepsNothing) {
    attachEvaluator(*window, *evaluator);
    const OpeningRow rows[] = {
        {"Evaluator", [](ShellTest& t) -> QDialog* { return t.evaluator.get(); },
         [](ShellTest& t) { t.window->Evaluator1Click(); }},
        {"Preferences", [](ShellTest& t) -> QDialog* { return t.prefs.get(); },
         [](ShellTest& t) { t.window->findChild<QAction*>(QStringLiteral("miPrefer"))->trigger(); }},
        {"About", [](ShellTest& t) -> QDialog* { return t.about.get(); },
         [](ShellTest& t) { t.window->findChild<QAction*>(QStringLiteral("miAbout"))->trigger(); }},
    };
    constexpr int kOpenings = 400;
    // Each opening used to keep about 90 bytes. Half that is the bound: the heap's own noise under
    // a loaded, parallel test run has reached 17 bytes an opening.
    constexpr double kBytesPerOpening = 45;
    for (const OpeningRow& row : rows) {
        QDialog* dialog = row.dialog(*this);
        // One timer for every opening: a single-shot call per opening would itself keep memory.
        QTimer closer;
        closer.setSingleShot(true);
        int shown = 0;
        QObject::connect(&closer, &QTimer::timeout, dialog, [&shown, dialog] {
            shown += dialog->isVisible() ? 1 : 0;
            dialog->reject();
        });
        dialog->setProperty("closedByTest", true);
        const auto unmark = qScopeGuard([dialog] { dialog->setProperty("closedByTest", QVariant()); });
        const auto openOnce = [&] {
            closer.start(0);
            row.open(*this);
        };
        const auto objects = [&] { return window->findChildren<QObject*>().size() + QApplication::allWidgets().size(); };
        for (int i = 0; i < 20; ++i) openOnce(); // caches fill at the first openings
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qsizetype before = objects();
        const std::size_t heapBefore = mallinfo2().uordblks;
        for (int i = 0; i < kOpenings; ++i) openOnce();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const double perOpening = (double(mallinfo2().uordblks) - double(heapBefore)) / kOpenings;
        EXPECT_EQ(shown, 20 + kOpenings) << row.name << ": opened and closed each time";
        EXPECT_EQ(objects(), before) << row.name;
        EXPECT_LT(perOpening, kBytesPerOpening) << row.name;
    }
}

} // namespace
} // namespace orv::testing
