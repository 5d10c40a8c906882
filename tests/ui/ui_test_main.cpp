// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Widget tests run offscreen with a private configuration folder, and fail (rather than hang)
// when a modal dialog appears.
#include <QApplication>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing here may read or write the real user's settings.
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    // Kept exchange rates stay here too, and no bank is ever asked: the rate tests start their
    // own server and point the address at it.
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    qputenv("ORVANTIS_RATES_URL", "http://127.0.0.1:9/");

    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);

    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        // A progress dialog reports on work under way; it cannot hang a test. Nor can a dialog
        // that the test itself opens and closes, or one it waits for and answers.
        if (modal && !qobject_cast<QProgressDialog*>(modal) && !modal->property("closedByTest").toBool() &&
            !qApp->property("modalExpected").toBool()) {
            ADD_FAILURE() << "unexpected modal window: " << modal->objectName().toStdString();
            modal->close();
        }
    });
    watchdog.start(100);
    return RUN_ALL_TESTS();
}
