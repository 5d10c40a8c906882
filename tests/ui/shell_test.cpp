// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The Preferences and About windows and the help commands, driven through their controls.
#include "window_fixture.h"

#include "about_window.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "help_viewer.h"
#include "keypad_table.h"
#include "main_window_panel_texts.h"
#include "preferences_texts.h"
#include "preferences_window.h"
#include "settings_values.h"
#include "shell_link.h"
#include "tape_window.h"
#include "toolkit_translation.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <malloc.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orv::testing {
namespace {

// Collects what the program asks the desktop to open instead of starting a browser; a desktop
// without a browser turns every address down.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    explicit UrlRecorder(bool desktopHasBrowser = true) {
        setDesktopOpener([this, desktopHasBrowser](const QUrl& url, const std::function<void()>& failed) {
            urls.append(url);
            if (!desktopHasBrowser) failed();
        });
    }
    ~UrlRecorder() override { setDesktopOpener({}); }
    QList<QUrl> urls;
};

class ShellTest : public WindowTest {
  public:
    void SetUp() override {
        WindowTest::SetUp();
        about = std::make_unique<TAbout>(*window, window.get());
        evaluator = std::make_unique<TEvaluator>(window->calculator(), *store, window->errorHint(), window.get());
        prefs = std::make_unique<TPreForm>(*store, *window, window.get());
        attachShell(*window, *about, *evaluator, *prefs);
    }
    void TearDown() override {
        prefs.reset();
        evaluator.reset();
        about.reset();
        WindowTest::TearDown();
    }

    template <typename T> T* pref(const char* name) const {
        T* w = prefs->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void openPrefs() {
        prefs->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(prefs.get()));
    }
    // Near the left edge: a check box takes clicks only on its box and its text.
    void click(const char* name) {
        QAbstractButton* b = pref<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void chooseLanguage(int index) {
        auto* list = pref<QComboBox>("cbLang");
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    QByteArray settingsFile() const {
        store->flush();
        QFile f(dir.filePath(QStringLiteral("Orvantis.conf")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<TAbout> about;
    std::unique_ptr<TEvaluator> evaluator;
    std::unique_ptr<TPreForm> prefs;
};

TEST_F(ShellTest, CancelWritesNothing) {
    const QByteArray before = settingsFile();
    openPrefs();
    click("ckbThou");
    click("bI");
    chooseLanguage(1);
    pref<QSpinBox>("spFontSize")->setValue(7);
    click("bbNo");
    EXPECT_FALSE(prefs->isVisible());
    EXPECT_EQ(settingsFile(), before);
    EXPECT_EQ(window->windowTitle(), "Orvantis");
    // The next activation shows the stored values again.
    openPrefs();
    EXPECT_TRUE(pref<QCheckBox>("ckbThou")->isChecked());
    EXPECT_EQ(pref<QSpinBox>("spFontSize")->value(), 10);
    EXPECT_EQ(pref<QComboBox>("cbLang")->currentIndex(), 0);
    EXPECT_EQ(prefs->windowTitle(), "Preferences");
}

TEST_F(ShellTest, StayOnTopTakesEffectOnlyThroughOk) {
    // Counts the times the main window is hidden (a native window made anew hides it).
    struct HideCounter : QObject {
        int hides = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            hides += event->type() == QEvent::Hide ? 1 : 0;
            return false;
        }
    } counter;
    window->installEventFilter(&counter);
    openPrefs();
    click("cbkStayOnTop");
    EXPECT_TRUE(pref<QPushButton>("bbApply")->isEnabled());
    click("bbApply");
    EXPECT_FALSE(pref<QPushButton>("bbApply")->isEnabled());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(store->readInt(value::RStayOnTop), 1);
    click("bbOk");
    EXPECT_FALSE(prefs->isVisible());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(store->readInt(value::RStayOnTop), 0);
    EXPECT_TRUE(window->isVisible()); // changing the flag must not leave the window hidden
    // On X11 the hint changes on the shown window: no new native window, no flicker.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        EXPECT_EQ(counter.hides, 0);
    }
}

struct StyleRow {
    const char* name;
    int storedCode;
    const char* presses; // "B" and "I"
    int appliedCode;
};

class StyleCodeTest : public ShellTest, public ::testing::WithParamInterface<StyleRow> {
    void prepareStore(SettingsStore& s) override { s.writeInt(value::RIndFontStyle, GetParam().storedCode); }
};

TEST_P(StyleCodeTest, TogglesGiveTheStoredCode) {
    openPrefs();
    for (const char* p = GetParam().presses; *p; ++p)
        click(*p == 'B' ? "bB" : "bI");
    EXPECT_EQ(pref<QToolButton>("bB")->isChecked(), GetParam().appliedCode == 2 || GetParam().appliedCode == 4);
    EXPECT_EQ(pref<QToolButton>("bI")->isChecked(), GetParam().appliedCode >= 3);
    click("bbApply");
    EXPECT_EQ(store->readInt(value::RIndFontStyle), GetParam().appliedCode);
    const QFont digits = find("pnOut3")->font();
    EXPECT_EQ(digits.bold(), GetParam().appliedCode == 2 || GetParam().appliedCode == 4);
    EXPECT_EQ(digits.italic(), GetParam().appliedCode >= 3);
}

INSTANTIATE_TEST_SUITE_P(Rows, StyleCodeTest,
                         ::testing::Values(StyleRow{"regularThenBoldItalic", 1, "BI", 4},
                                           StyleRow{"boldItalicLessBold", 1, "BIB", 3},
                                           StyleRow{"defaultLessBold", 2, "B", 1},
                                           StyleRow{"italicPlusBold", 3, "B", 4},
                                           StyleRow{"untouchedBoldItalic", 4, "", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

class OversizedFontTest : public ShellTest {
    void prepareStore(SettingsStore& s) override { s.writeInt(value::RIndFontSize, 14); }
};

TEST_F(OversizedFontTest, SizeFourteenShowsTenAndAppliesTen) {
    openPrefs();
    EXPECT_EQ(pref<QSpinBox>("spFontSize")->value(), 10);
    EXPECT_EQ(pref<TextPanel>("pnOutPref")->font().pointSize(), 10) << "the preview shows what the box shows";
    EXPECT_FALSE(pref<QPushButton>("bbApply")->isEnabled()); // reloading is not an edit
    click("ckbThou");
    click("bbApply");
    EXPECT_EQ(store->readInt(value::RIndFontSize), 10);
}

TEST_F(ShellTest, TheTrayBoxShowsAndHidesTheIconAndIsReloaded) {
    auto* tray = window->findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    openPrefs();
    click("cbMinToTray");
    click("bbApply");
    EXPECT_FALSE(tray->isVisible());
    EXPECT_EQ(store->readInt(value::RMinToTray), 0);
    click("bbNo");
    openPrefs();
    EXPECT_FALSE(pref<QCheckBox>("cbMinToTray")->isChecked());
    click("cbMinToTray");
    click("bbApply");
    EXPECT_EQ(store->readInt(value::RMinToTray), 1);
    // Shown where a desktop has a tray; never made visible without one.
    EXPECT_EQ(tray->isVisible(), QSystemTrayIcon::isSystemTrayAvailable());
}

TEST_F(ShellTest, RussianSwitchesThisWindowAtOnceAndTheOthersOnApply) {
    window->findChild<QAction*>(QStringLiteral("miConvert"))->trigger();
    auto* groups = find<QComboBox>("cbVibor");
    groups->setCurrentIndex(4);
    openPrefs();
    auto* languages = pref<QComboBox>("cbLang");
    EXPECT_EQ(languages->itemText(0), QStringLiteral("English")); // each language named in itself
    EXPECT_EQ(languages->itemText(1), QString::fromUtf8("Русский"));
    auto* colours = pref<QComboBox>("cbIndColor");
    EXPECT_EQ(colours->itemData(15, Qt::AccessibleTextRole).toString(), QStringLiteral("White"));
    chooseLanguage(1);
    EXPECT_EQ(prefs->windowTitle(), QString::fromUtf8("Настройка"));
    EXPECT_EQ(pref<QPushButton>("bbNo")->text(), QString::fromUtf8("Отмена"));
    for (int i = 0; i < colours->count(); ++i) // every swatch is named, in the language
        EXPECT_FALSE(colours->itemData(i, Qt::AccessibleTextRole).toString().isEmpty()) << i;
    EXPECT_EQ(colours->itemData(4, Qt::AccessibleTextRole).toString(), QString::fromUtf8("Тёмно-синий"));
    colours->setCurrentIndex(9);
    EXPECT_EQ(colours->accessibleDescription(), QString::fromUtf8("Красный"));
    EXPECT_EQ(window->windowTitle(), "Orvantis"); // waits for Apply
    click("bbApply");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Вычислитель"));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("miConvert"))->text(), QString::fromUtf8("&Перевод величин"));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("miStatist"))->text(), QString::fromUtf8("&Статистический"));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("miMin"))->text(), QString::fromUtf8("С&жатый"));
    EXPECT_EQ(groups->itemText(0), QString::fromUtf8("Длина"));
    EXPECT_EQ(groups->itemText(9), QString::fromUtf8("Приставки"));
    EXPECT_EQ(groups->currentIndex(), 4);
    EXPECT_EQ(find<QComboBox>("cb1")->itemText(0), QString::fromUtf8("Градус Цельсия"));
    EXPECT_EQ(find("pnM7")->toolTip(), QString::fromUtf8("  Ячейка памяти"));
    EXPECT_EQ(evaluator->windowTitle(), QString::fromUtf8("Режим вычисления выражений"));
    EXPECT_EQ(store->readInt(value::RLang), 1);
    EXPECT_EQ(window->calculator().messages().DivideByZeroMessage, "Нельзя делить на ноль!");
    about->show();
    EXPECT_EQ(about->windowTitle(), QString::fromUtf8("О программе"));
    EXPECT_EQ(about->scroller()->lineLabels()[1]->text(), QString::fromUtf8("версия 3.9"));
}

TEST_F(ShellTest, ColoursReachTheMainWindowTheEvaluatorAndTheAboutCredits) {
    openPrefs();
    auto* background = pref<QComboBox>("cbIndColor");
    background->setCurrentIndex(background->findData(0x808000)); // teal
    emit background->activated(background->currentIndex());
    auto* digits = pref<QComboBox>("cbIndFontColor");
    digits->setCurrentIndex(digits->findData(0x00FFFF)); // yellow
    emit digits->activated(digits->currentIndex());
    EXPECT_EQ(pref<TextPanel>("pnOutPref")->background(), QColor(0, 0x80, 0x80));
    EXPECT_EQ(find("pnOut3")->background(), QColor(Qt::white)); // preview only until Apply
    click("bbOk");
    EXPECT_EQ(find("pnOut3")->background(), QColor(0, 0x80, 0x80));
    EXPECT_EQ(find("pnOut3")->textColour(), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(store->readInt(value::RIndColor), 0x808000);
    auto* field = evaluator->findChild<QLineEdit*>(QStringLiteral("edA"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0, 0x80, 0x80));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0));

    about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.get()));
    EXPECT_EQ(about->scroller()->palette().color(QPalette::Window), QColor(0, 0x80, 0x80));
    EXPECT_EQ(about->scroller()->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0));
}

TEST_F(ShellTest, GroupingOffReachesTheDisplayAtItsNextUpdate) {
    type("1234567");
    openPrefs();
    // The preview shows the display's own separators (this window's locale writes a comma).
    EXPECT_EQ(pref<TextPanel>("pnOutPref")->text(), "123 456 789,0123");
    click("ckbThou");
    EXPECT_EQ(pref<TextPanel>("pnOutPref")->text(), "123456789,0123");
    click("bbOk");
    EXPECT_EQ(store->readInt(value::RThouSepOn), 0);
    type("8");
    EXPECT_EQ(display(), "12345678 ");
}

// Where `image` inside `area` (less `skip`) is visibly not the background.
QRect inkOf(const QImage& image, const QRect& area, const QRect& skip, const QColor& background) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!skip.contains(x, y) && qAbs(qGray(image.pixel(x, y)) - qGray(background.rgb())) > 64)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The ink of the preview's sample drawn alone in the same font, with room all round.
QRect sampleInk(const TextPanel& preview) {
    QLabel label(preview.text());
    label.setFont(preview.font());
    label.setContentsMargins(40, 40, 40, 40);
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, preview.background());
    palette.setColor(QPalette::WindowText, preview.textColour());
    label.setPalette(palette);
    label.adjustSize();
    const QImage image = label.grab().toImage();
    return inkOf(image, image.rect(), QRect(), preview.background());
}

TEST_F(ShellTest, TheFontListNamesEachFamilyOnceAndShowsTheFaceInUse) {
    store->writeString("RIndFontName", "No Such Typeface Anywhere");
    openPrefs();
    auto* faces = pref<QComboBox>("cbIndFontName");
    QStringList names;
    for (int i = 0; i < faces->count(); ++i) names << faces->itemText(i);
    for (const QString& name : names) EXPECT_FALSE(name.contains(QLatin1Char('['))) << name.toStdString();
    EXPECT_EQ(QStringList(names).removeDuplicates(), 0);
    QFont wanted(QStringLiteral("No Such Typeface Anywhere"));
    wanted.setStyleHint(QFont::SansSerif);
    const QString used = QFontInfo(wanted).family().section(QStringLiteral(" ["), 0, 0);
    EXPECT_EQ(faces->currentText(), used);
    EXPECT_FALSE(names.contains(QStringLiteral("No Such Typeface Anywhere")));
}

TEST_F(ShellTest, ThePreviewShowsItsWholeSampleAtEverySizeAndStyle) {
    openPrefs();
    auto* preview = pref<TextPanel>("pnOutPref");
    const QRect sign = pref<TextPanel>("pnSSSPref")->geometry();
    const int frame = preview->frameWidth();
    const QRect inside = preview->rect().adjusted(frame, frame, -frame, -frame);
    auto* size = pref<QSpinBox>("spFontSize");
    auto* faces = pref<QComboBox>("cbIndFontName");
    QStringList faults;
    for (const int language : {0, 1}) {
        chooseLanguage(language);
        for (const bool grouped : {true, false}) {
            if (pref<QCheckBox>("ckbThou")->isChecked() != grouped) click("ckbThou");
            for (const int style : {1, 2, 3, 4}) {
                const bool bold = style == 2 || style == 4, italic = style >= 3;
                if (pref<QToolButton>("bB")->isChecked() != bold) click("bB");
                if (pref<QToolButton>("bI")->isChecked() != italic) click("bI");
                for (int points = size->minimum(); points <= size->maximum(); ++points) {
                    size->setValue(points);
                    const QRect whole = sampleInk(*preview);
                    const QRect shown = inkOf(preview->grab().toImage(), inside, sign, preview->background());
                    const QString row = QStringLiteral("%1 language %2 %3pt style %4 (%5 wide, %6 at %7..%8)")
                                            .arg(preview->text())
                                            .arg(language)
                                            .arg(points)
                                            .arg(style)
                                            .arg(whole.width())
                                            .arg(shown.width())
                                            .arg(shown.left())
                                            .arg(shown.right());
                    // The whole sample: not cut by the sign or the frame, not condensed.
                    if (qAbs(shown.width() - whole.width()) > 1 || qAbs(shown.height() - whole.height()) > 1)
                        faults << row + QStringLiteral(": not whole");
                    // A blank column at least between the sample and the sign or the frame.
                    if (shown.left() <= sign.right() + 1 || shown.right() >= inside.right() ||
                        shown.top() <= inside.top() || shown.bottom() >= inside.bottom())
                        faults << row + QStringLiteral(": touching");
                }
            }
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    // The stored face is not installed here: the list names the face drawn in its place.
    QFont stored(QStringLiteral("MS Sans Serif"));
    stored.setStyleHint(QFont::SansSerif);
    EXPECT_EQ(faces->currentText(), QFontInfo(stored).family().section(QStringLiteral(" ["), 0, 0));
}

// Every caption and list entry keeps its whole text at the window's fixed size.
TEST_F(ShellTest, EveryPreferencesCaptionFitsItsControlInBothLanguages) {
    openPrefs();
    QStringList cut;
    const auto fits = [&cut](const QWidget* control, const QString& text, int extra, const QRect& room,
                             int language) {
        const int needed = control->fontMetrics().horizontalAdvance(text) + extra;
        if (needed > room.width() || !control->rect().contains(room))
            cut << QStringLiteral("%1 '%2' in language %3: needs %4, has %5")
                       .arg(control->objectName(), text).arg(language).arg(needed).arg(room.width());
    };
    for (const int language : {0, 1}) {
        chooseLanguage(language);
        for (const QAbstractButton* b : prefs->findChildren<QAbstractButton*>()) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            const bool box = qobject_cast<const QCheckBox*>(b);
            const auto element = box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
            const QRect room = b->style()->subElementRect(element, &option, b);
            fits(b, b->text(), 0, room, language);
        }
        for (const QGroupBox* g : prefs->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(g);
            option.text = g->title();
            option.textAlignment = g->alignment();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect room =
                g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
            fits(g, g->title(), 0, room, language);
        }
        for (const QComboBox* list : prefs->findChildren<QComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = list->isEditable();
            const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, list);
            // The typefaces are the system's: of those, the stored one that the window shows.
            const bool faces = list->objectName() == QLatin1String("cbIndFontName");
            const int first = faces ? list->currentIndex() : 0;
            const int last = faces ? list->currentIndex() : list->count() - 1;
            for (int i = first; i <= last; ++i) {
                const int icon = list->itemIcon(i).isNull() ? 0 : list->iconSize().width() + 4;
                fits(list, list->itemText(i), icon, room, language);
            }
        }
    }
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
}

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

TEST_F(ShellTest, EveryPreferencesControlIsNamedAndTabVisitsThemAllInReadingOrder) {
    openPrefs();
    prefs->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(prefs.get()));
    click("ckbThou"); // Apply takes part once something has changed
    // What takes the focus for a control: a spin box hands it to its text field.
    const auto control = [](QWidget* w) {
        auto* spin = qobject_cast<QAbstractSpinBox*>(w->parentWidget());
        return spin && spin->focusProxy() == w ? spin : w;
    };
    QStringList tabStops;
    for (QWidget* w : prefs->findChildren<QWidget*>())
        if (w->isVisibleTo(prefs.get()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            tabStops << control(w)->objectName();
    tabStops.sort();

    for (const int language : {0, 1}) {
        chooseLanguage(language);
        for (const QString& name : tabStops) {
            auto* w = pref<QWidget>(name.toLatin1().constData());
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << name.toStdString();
            if (a->role() == QAccessible::ComboBox) {
                // A list is named by what it sets, on every desktop, and labelled by its box's
                // title too; the item it shows is its description.
                const auto labels = a->relations(QAccessible::Label);
                ASSERT_FALSE(labels.isEmpty()) << name.toStdString();
                const QString title = qobject_cast<QGroupBox*>(w->parentWidget())->title();
                EXPECT_EQ(labels.first().first->text(QAccessible::Name), title) << name.toStdString();
                EXPECT_EQ(a->text(QAccessible::Name), title) << name.toStdString() << " in language " << language;
                const QString item = qobject_cast<QComboBox*>(w)->currentText();
                if (!item.isEmpty()) EXPECT_EQ(a->text(QAccessible::Description), item) << name.toStdString();
            } else {
                // Words, not a bare letter: the style buttons show B and I.
                const QString spoken = a->text(QAccessible::Name);
                EXPECT_GE(spoken.size(), 2) << name.toStdString() << " in language " << language << ": '"
                                            << spoken.toStdString() << "'";
            }
        }
    }

    // Down the left column, then the right one, then the row under both, then the buttons.
    const QStringList expected{"cbIndColor", "cbIndFontColor", "cbIndFontName", "ckbThou", "cbMinToTray",
                               "cbkStayOnTop", "spFontSize", "bB", "bI", "cbLang", "cbKeepTape",
                               "cbRateSource", "cbAutoRates", "bbOk", "bbNo", "bbApply", "bbHelp"};
    pref<QWidget>("bbHelp")->setFocus();
    QStringList walk;
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        walk << control(QApplication::focusWidget())->objectName();
        if (walk.back() == QLatin1String("bbHelp")) break;
    }
    const auto words = [](const QStringList& names) { return names.join(QLatin1Char(' ')).toStdString(); };
    EXPECT_EQ(words(walk), words(expected));
    QStringList sortedWalk = walk;
    sortedWalk.sort();
    EXPECT_EQ(words(sortedWalk), words(tabStops)) << "Tab reaches every control that takes the focus";
}

// What a keyboard or screen reader user meets in each language: every menu item with an access
// letter of its own, names without the key written after a tab, and descriptions without the
// other language's letters. Key names (Esc, Ctrl + R) are the same in both, and a list's
// description that is its item is a name (a font's).
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

#include "shell_test.moc"
