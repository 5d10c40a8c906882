// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The About window: its scrolling credits, links and languages.
#include "shell_fixture.h"

namespace orv::testing {
namespace {

TEST_F(ShellTest, AboutScrollsOnlyWhileShownAndLoops) {
    EXPECT_FALSE(about->scroller()->isRunning());
    about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.get()));
    EXPECT_TRUE(about->scroller()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(about->scroller()->offset() >= 3, 2000);
    // One loop is the panel's height plus the text's: after it the text enters again.
    const int loop = about->scroller()->height() + about->scroller()->textHeight();
    while (about->scroller()->offset() < loop)
        about->scroller()->step();
    about->scroller()->step();
    EXPECT_EQ(about->scroller()->offset(), 0);
    // A selection holds the text still, so it can be copied.
    about->scroller()->lineLabels()[1]->setSelection(0, 7);
    about->scroller()->step();
    EXPECT_EQ(about->scroller()->offset(), 0);
    QTest::keyClick(about.get(), Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(about->scroller()->isRunning());
}

TEST_F(ShellTest, AboutLinksLightUpAndOpenTheirAddresses) {
    UrlRecorder recorder;
    about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.get()));
    auto* url = about->findChild<LinkLabel*>(QStringLiteral("RxlbURL"));
    auto* mail = about->findChild<LinkLabel*>(QStringLiteral("RxlbMail"));
    ASSERT_TRUE(url && mail);
    url->setHighlighted(true);
    EXPECT_EQ(url->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_EQ(url->cursor().shape(), Qt::PointingHandCursor);
    url->setHighlighted(false);
    EXPECT_EQ(url->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QTest::mouseClick(url, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    ASSERT_EQ(recorder.urls.size(), 2);
    EXPECT_EQ(recorder.urls[0], QUrl(QStringLiteral("http://%1").arg(QLatin1String(kMakerWebHost))));
    EXPECT_EQ(recorder.urls[1], QUrl(QStringLiteral("mailto:%1").arg(QLatin1String(kMakerMail))));
    EXPECT_TRUE(about->scroller()->isRunning()); // the links do not close the window
    about->bb1Click();
}

struct AboutRow {
    const char* name;
    int language;
    const char* caption;
    const char* credits; // the nine lines, joined by "|"
    const char* picture;
};

class AboutLanguageTest : public ShellTest, public ::testing::WithParamInterface<AboutRow> {};

TEST_P(AboutLanguageTest, CaptionCreditsAndPictureNameFollowTheLanguage) {
    const AboutRow& row = GetParam();
    about->SetLang(1 - row.language); // from the other language, so every text has to change
    about->SetLang(row.language);
    about->SetLang(5); // any other value changes nothing
    EXPECT_EQ(about->windowTitle(), QString::fromUtf8(row.caption));
    // Each line a label of its own, whole in the panel, that can be selected and read out.
    QStringList shown;
    for (QLabel* line : about->scroller()->lineLabels()) {
        shown << QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name);
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width())
            << "whole: " << row.credits;
        EXPECT_TRUE(line->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
    EXPECT_EQ(shown.join(QLatin1Char('|')), QString::fromUtf8(row.credits).arg(QLatin1String(kMakerWebHost)));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Image1"))->accessibleName(),
              QString::fromUtf8(row.picture));
    EXPECT_EQ(about->findChild<QPushButton*>(QStringLiteral("bb1"))->text(), "OK");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AboutLanguageTest,
    ::testing::Values(
        AboutRow{"english", 0, "About",
                 "ORVANTIS|version 3.9|Written by the Orvantis team|Copyright (C) 2026 the team|"
                 "Free software: GPL 3 or later||For other mathematical|programs, please, refer to:|"
                 "http://%1",
                 "Orvantis logo"},
        AboutRow{"russian", 1, "О программе",
                 "ORVANTIS|версия 3.9|Создана командой Orvantis|© 2026 команда Orvantis|"
                 "Лицензия GPL 3 или новее||Другие математические|программы ищите на сайте:|http://%1",
                 "Логотип Orvantis"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, AboutLinksAreReachedWithTabAndOpenedWithEnterOrSpace) {
    UrlRecorder recorder;
    about->show();
    about->activateWindow();
    // Not qWaitForWindowActive: a dialog counts as active while its parent is.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == about.get(); }, 2000));
    auto* url = about->findChild<LinkLabel*>(QStringLiteral("RxlbURL"));
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("bb1"));
    EXPECT_EQ(QApplication::focusWidget(), ok) << "Enter closes at once";
    const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    tab();
    ASSERT_EQ(QApplication::focusWidget(), url);
    QTest::keyClick(url, Qt::Key_Space);
    tab();
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "RxlbMail");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(recorder.urls.size(), 2);
    EXPECT_EQ(recorder.urls[0].scheme(), "http");
    EXPECT_EQ(recorder.urls[1].scheme(), "mailto");
    EXPECT_TRUE(about->isVisible()) << "Enter on a link opens the link, not closes the window";
    // A screen reader sees a link, named by its address and told what it does.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(url);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::Link);
    EXPECT_EQ(spoken->text(QAccessible::Name), QString::fromLatin1(kMakerWebHost));
    EXPECT_EQ(spoken->text(QAccessible::Description), "Opens the home page in the web browser");
    tab();
    ASSERT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());
}


} // namespace
} // namespace orv::testing
