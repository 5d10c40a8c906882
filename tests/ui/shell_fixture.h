// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The main window with About, the Evaluator and Preferences attached, as the program has them;
// the dialogs' and the help's tests share it.
#pragma once

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

// Collects what the program asks the desktop to open instead of starting a browser; a desktop
// without a browser turns every address down.
class UrlRecorder : public QObject {
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


} // namespace orv::testing
