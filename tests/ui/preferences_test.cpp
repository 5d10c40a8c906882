// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The Preferences window, driven through its controls.
#include "shell_fixture.h"

namespace orv::testing {
namespace {

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

} // namespace
} // namespace orv::testing
