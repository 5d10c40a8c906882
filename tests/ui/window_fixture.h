// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator_window.h"
#include "settings_store.h"

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace orv::testing {

// A shown, active main window with a comma locale and its own settings file.
class WindowTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store = openSettingsFile(dir.filePath(QStringLiteral("Orvantis.conf")));
        prepareStore(*store);
        openWindow();
    }

    void TearDown() override { window.reset(); }

    // Lets a test seed the settings before the window reads them.
    virtual void prepareStore(SettingsStore&) {}

    void openWindow() {
        window = std::make_unique<TCalculator>(*store, Separators{",", " "});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QWindow* handle() const { return window->windowHandle(); }

    template <typename T = TextPanel> T* find(const char* name) const {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Types characters; "^X" is Ctrl+X.
    void type(const char* keys) {
        for (const char* p = keys; *p; ++p) {
            if (*p == '^' && p[1]) {
                ++p;
                QTest::keyClick(handle(), Qt::Key(Qt::Key_A + (*p - 'A')), Qt::ControlModifier);
            } else {
                QTest::keyClick(handle(), *p);
            }
        }
    }

    // The keyboard on the display, which a screen reader sees focused and reading the number.
    void expectKeyboardOnDisplay(const char* where) const {
        EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("pnOut")) << where;
        QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(find<QWidget>("pnOut"));
        EXPECT_TRUE(screen->state().focused) << where;
        EXPECT_EQ(screen->text(QAccessible::Name), display().trimmed()) << where;
    }

    QString display() const { return find("pnOut3")->text(); }
    QString exponent() const { return find("pnOut2")->text(); }
    QString memoryLine() const { return find("pnOutHist3")->text(); }
    QString sign() const { return find("pnSSS")->text(); }
    bool lowered(KeypadKey key) const { return window->keypadButton(key)->isLowered(); }
    int loweredCount() const {
        int n = 0;
        for (int i = 0; i < kKeypadKeyCount; ++i)
            n += lowered(KeypadKey(i)) ? 1 : 0;
        return n;
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TCalculator> window;
};

} // namespace orv::testing
