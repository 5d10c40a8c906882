// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tray_icon.h"

#include "program_picture.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace orv {
namespace {

// How often and how long a tray that is not there yet is looked for: two minutes.
constexpr int kTrayLookInterval = 3000;
constexpr int kTrayLooks = 40;

// The tray icon's menu, English and Russian.
struct TrayTexts {
    const char* show;
    const char* hide;
    const char* quit;
};
constexpr TrayTexts kTrayTexts[] = {{"Show", "Hide", "Quit"},
                                    {"Показать", "Скрыть", "Выход"}};

} // namespace

TrayIcon::TrayIcon(QWidget& window)
    : QObject(&window), window_(window), available_(&QSystemTrayIcon::isSystemTrayAvailable) {
    wait_ = new QTimer(this);
    wait_->setObjectName(QStringLiteral("TrayWait"));
    wait_->setInterval(kTrayLookInterval);
    connect(wait_, &QTimer::timeout, this, [this] {
        if (available_())
            setShown(true);
        else if (--looksLeft_ <= 0)
            wait_->stop();
    });
    icon_ = new QSystemTrayIcon(this);
    icon_->setObjectName(QStringLiteral("RxTrayIcon1"));
    icon_->setToolTip(QStringLiteral("Orvantis"));
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) emit clicked();
    });
    menu_ = new QMenu(&window);
    menu_->setObjectName(QStringLiteral("RxTrayMenu"));
    showHide_ = menu_->addAction(QString());
    showHide_->setObjectName(QStringLiteral("miTrayShowHide"));
    connect(showHide_, &QAction::triggered, this, &TrayIcon::showHideChosen);
    menu_->addSeparator();
    quit_ = menu_->addAction(QString());
    quit_->setObjectName(QStringLiteral("miTrayQuit"));
    connect(quit_, &QAction::triggered, this, &TrayIcon::quitChosen);
    // Show or Hide, whichever the window's state calls for when the menu opens.
    connect(menu_, &QMenu::aboutToShow, this, &TrayIcon::updateMenu);
    icon_->setContextMenu(menu_);
}

// The icon is the program's picture, drawn only where a tray will show it, and set before the
// icon is shown.
void TrayIcon::setShown(bool shown) {
    wait_->stop();
    if (!shown || !available_()) {
        icon_->hide();
        // The tray may start after the program, as a session starts: it is looked for a while.
        looksLeft_ = kTrayLooks;
        if (shown) wait_->start();
        return;
    }
    if (icon_->icon().isNull()) icon_->setIcon(programIcon());
    icon_->show();
}

bool TrayIcon::ready() const {
    return icon_->isVisible() && available_();
}

void TrayIcon::setLanguage(int language) {
    language_ = language;
    updateMenu();
}

void TrayIcon::updateMenu() {
    const TrayTexts& texts = kTrayTexts[language_ == 1 ? 1 : 0];
    const bool windowShown = window_.isVisible() && !window_.isMinimized();
    showHide_->setText(QString::fromUtf8(windowShown ? texts.hide : texts.show));
    quit_->setText(QString::fromUtf8(texts.quit));
}

} // namespace orv
