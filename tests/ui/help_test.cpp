// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The help commands and F1: each window's topic, in the browser or the help's own window.
#include "shell_fixture.h"

namespace orv::testing {
namespace {

TEST_F(ShellTest, HelpOpensAtEachWindowsTopic) {
    ASSERT_FALSE(helpIndexPath().isEmpty()) << "the help is copied beside the test program";
    UrlRecorder recorder;
    window->findChild<QAction*>(QStringLiteral("miContens"))->trigger();
    openPrefs();
    QTest::keyClick(prefs.get(), Qt::Key_F1);
    click("bbHelp");
    emit evaluator->helpRequested(TEvaluator::kHelpTopic);
    window->findChild<QAction*>(QStringLiteral("miPage"))->trigger();
    ASSERT_EQ(recorder.urls.size(), 5);
    EXPECT_TRUE(recorder.urls[0].isLocalFile());
    EXPECT_TRUE(recorder.urls[0].fragment().isEmpty());
    EXPECT_EQ(recorder.urls[1].fragment(), "topic80");
    EXPECT_EQ(recorder.urls[2].fragment(), "topic80");
    EXPECT_EQ(recorder.urls[3].fragment(), "topic1220");
    EXPECT_EQ(recorder.urls[4].scheme(), "http");
    // Every topic a window opens exists as an anchor of the bundled help.
    QFile help(helpIndexPath());
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const QByteArray html = help.readAll();
    for (const int topic : {kMainWindowHelpTopic, TPreForm::kHelpTopic, TEvaluator::kHelpTopic})
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"topic%1\"").arg(topic).toUtf8())) << topic;
}

TEST_F(ShellTest, F1OpensTheWindowsTopicAndContentsTheStartOfTheHelp) {
    ASSERT_FALSE(helpIndexPath().isEmpty()) << "the help is copied beside the test program";
    UrlRecorder recorder;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_F1);
    auto* contents = window->findChild<QAction*>(QStringLiteral("miContens"));
    EXPECT_TRUE(contents->shortcut().isEmpty()) << "F1 belongs to the window's own topic";
    contents->trigger();

    evaluator->show();
    evaluator->activateWindow();
    // Not qWaitForWindowActive: a dialog counts as active while its parent is.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == evaluator.get(); }, 2000));
    QTest::keyClick(evaluator->windowHandle(), Qt::Key_F1);
    evaluator->findChild<QAction*>(QStringLiteral("Context1"))->trigger();
    evaluator->hide();

    ASSERT_EQ(recorder.urls.size(), 4);
    for (const QUrl& url : recorder.urls) EXPECT_TRUE(url.isLocalFile()) << url.toString().toStdString();
    EXPECT_EQ(recorder.urls[0].fragment(), "topic30") << "F1 in the main window";
    EXPECT_TRUE(recorder.urls[1].fragment().isEmpty()) << "the main window's Contents";
    EXPECT_EQ(recorder.urls[2].fragment(), "topic1220") << "F1 in the Evaluator";
    EXPECT_TRUE(recorder.urls[3].fragment().isEmpty()) << "the Evaluator's Contents";
}

// What a help page matches with a pattern's first group, in order.
QStringList matchesIn(const QString& path, const char* pattern) {
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) return {};
    QStringList found;
    const QRegularExpression expression(QString::fromLatin1(pattern));
    for (auto match = expression.globalMatch(QString::fromUtf8(page.readAll())); match.hasNext();)
        found << match.next().captured(1);
    return found;
}

TEST(HelpPages, TheRussianHelpHasEveryPlaceOfTheEnglishAndEachLinksToTheOther) {
    const QString english = helpIndexPath(0), russian = helpIndexPath(1);
    ASSERT_NE(english, russian) << "a Russian help beside the English one";
    const QStringList places = matchesIn(english, "\\bid=\"([^\"]+)\"");
    EXPECT_GE(places.size(), 11);
    EXPECT_EQ(matchesIn(russian, "\\bid=\"([^\"]+)\""), places);
    for (const QString& path : {english, russian})
        for (const QString& target : matchesIn(path, "href=\"#([^\"]+)\""))
            EXPECT_TRUE(places.contains(target)) << path.toStdString() << ": #" << target.toStdString();
    EXPECT_EQ(matchesIn(english, "href=\"([^#\"]+)\""), QStringList({"help.css", "ru/index.html"}));
    EXPECT_EQ(matchesIn(russian, "href=\"([^#\"]+)\""), QStringList({"../help.css", "../index.html"}));
    // Each window's topic in each language; a language without help of its own gets English.
    for (const int language : {0, 1, 5})
        for (const int topic : {kMainWindowHelpTopic, TPreForm::kHelpTopic, TEvaluator::kHelpTopic}) {
            const QUrl url = helpUrl(topic, language);
            EXPECT_EQ(url.toLocalFile(), language == 1 ? russian : english) << topic << " in " << language;
            EXPECT_EQ(url.fragment(), QStringLiteral("topic%1").arg(topic));
        }
    EXPECT_EQ(helpUrl(kContentsHelpTopic, 1), QUrl::fromLocalFile(russian));
}

class RussianShellTest : public ShellTest {
    void prepareStore(SettingsStore& s) override { s.writeInt(value::RLang, 1); }
};

TEST_F(RussianShellTest, F1OpensTheRussianPageAtEachWindowsTopic) {
    UrlRecorder recorder;
    emit window->findChild<QShortcut*>(QStringLiteral("HelpKey"))->activated();
    emit evaluator->helpRequested(TEvaluator::kHelpTopic);
    openPrefs();
    QTest::keyClick(prefs.get(), Qt::Key_F1);
    chooseLanguage(0); // the Preferences window shows English at once, and so does its help
    click("bbHelp");
    ASSERT_EQ(recorder.urls.size(), 4);
    const QStringList expected{"ru/index.html#topic30", "ru/index.html#topic1220", "ru/index.html#topic80",
                               "help/index.html#topic80"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(recorder.urls[i].toString().endsWith(expected[i]))
            << recorder.urls[i].toString().toStdString();
}

struct HelpWindowRow {
    const char* name;
    int language;
    const char* owner; // who asks: the main window, the Evaluator or the (modal) Preferences window
    int topic;
    const char* title;
    const char* heading; // the topic's heading, shown
};

class HelpWindowTest : public ShellTest, public ::testing::WithParamInterface<HelpWindowRow> {
    void prepareStore(SettingsStore& s) override { s.writeInt(value::RLang, GetParam().language); }
};

TEST_P(HelpWindowTest, WithoutABrowserTheHelpOpensInItsOwnWindowAtTheTopic) {
    const HelpWindowRow& row = GetParam();
    UrlRecorder recorder(false);
    QWidget* owner = window.get();
    if (row.owner == std::string("main")) {
        emit window->findChild<QShortcut*>(QStringLiteral("HelpKey"))->activated();
    } else if (row.owner == std::string("evaluator")) {
        owner = evaluator.get();
        emit evaluator->helpRequested(TEvaluator::kHelpTopic);
    } else {
        owner = prefs.get();
        openPrefs();
        click("bbHelp");
    }
    ASSERT_EQ(recorder.urls.size(), 1) << "the browser is asked first";
    // A window of the owner's own, so a modal owner does not block it.
    auto* viewer = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    EXPECT_EQ(viewer->windowTitle(), QString::fromUtf8(row.title));
    QTextBrowser* page = viewer->browser();
    EXPECT_EQ(page->source().fragment(), QStringLiteral("topic%1").arg(row.topic));
    // Scrolled to the topic's heading (not its entry in the contents), which is in sight.
    QTextBlock heading = page->document()->firstBlock();
    while (heading.isValid() &&
           (heading.text() != QString::fromUtf8(row.heading) || heading.blockFormat().headingLevel() != 2))
        heading = heading.next();
    ASSERT_TRUE(heading.isValid()) << row.heading;
    EXPECT_GT(page->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(page->viewport()->rect().contains(page->cursorRect(QTextCursor(heading))));
    // Asked again, the same window shows the new place.
    openHelp(kContentsHelpTopic, row.language, owner);
    EXPECT_EQ(owner->findChildren<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    EXPECT_EQ(page->verticalScrollBar()->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, HelpWindowTest,
                         ::testing::Values(HelpWindowRow{"mainEnglish", 0, "main", 30, "Orvantis Help",
                                                         "The main window"},
                                           HelpWindowRow{"evaluatorRussian", 1, "evaluator", 1220,
                                                         "Справка Orvantis", "Окно вычисления выражений"},
                                           HelpWindowRow{"preferencesRussian", 1, "preferences", 80,
                                                         "Справка Orvantis", "Настройка"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The desktop's own opener against a stand-in xdg-open: how that ends decides whether the help
// window takes over. With no xdg-open, Qt looks for a browser and finds none either.
struct DesktopRow {
    const char* name;
    int xdgOpenExit; // -1: none
    bool helpWindow;
};

class DesktopOpenerTest : public ShellTest, public ::testing::WithParamInterface<DesktopRow> {};

TEST_P(DesktopOpenerTest, AFailedOrMissingOpenerLeavesTheHelpToItsOwnWindow) {
    const DesktopRow& row = GetParam();
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH"), browser = qgetenv("BROWSER");
    const auto restore = qScopeGuard([&] {
        qputenv("PATH", path);
        if (!browser.isEmpty()) qputenv("BROWSER", browser);
    });
    qputenv("PATH", QFile::encodeName(bin.path()));
    qunsetenv("BROWSER");
    const QString asked = bin.filePath(QStringLiteral("asked"));
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    if (row.xdgOpenExit >= 0 && script.open(QIODevice::WriteOnly)) {
        script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n")
                         .arg(asked)
                         .arg(row.xdgOpenExit)
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    setDesktopOpener({});
    openHelp(kMainWindowHelpTopic, 1, window.get());
    if (row.xdgOpenExit >= 0) {
        QTRY_VERIFY_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(), 5000);
        QFile record(asked);
        EXPECT_TRUE(record.open(QIODevice::ReadOnly) &&
                    record.readAll().trimmed().endsWith("/ru/index.html#topic30"));
    }
    auto* viewer = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(viewer != nullptr, row.helpWindow);
    if (viewer) {
        EXPECT_EQ(viewer->browser()->source().fragment(), "topic30");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DesktopOpenerTest,
                         ::testing::Values(DesktopRow{"browserOpensIt", 0, false},
                                           DesktopRow{"noProgramForIt", 3, true},
                                           DesktopRow{"noXdgOpen", -1, true}),
                         [](const auto& info) { return std::string(info.param.name); });


} // namespace
} // namespace orv::testing
