// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QWidget;

namespace orv {

// The calculator's icon in the system tray, with its Show/Hide and Quit menu. Where the desktop
// has no tray there is no icon; a tray that starts after the program is looked for a while.
class TrayIcon : public QObject {
    Q_OBJECT
  public:
    // The icon stands for `window`: the menu offers to show or hide it.
    explicit TrayIcon(QWidget& window);

    void setShown(bool shown);
    // 0 English, 1 Russian.
    void setLanguage(int language);
    // Shown and on a tray: minimising may hide the window to it.
    bool ready() const;
    // Whether the desktop has a tray; the toolkit's answer unless a test stands in for a tray.
    void setAvailabilityCheck(std::function<bool()> check) { available_ = std::move(check); }

  signals:
    void clicked();
    void showHideChosen();
    void quitChosen();

  private:
    void updateMenu();

    QWidget& window_;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* showHide_ = nullptr;
    QAction* quit_ = nullptr;
    int language_ = 0;
    std::function<bool()> available_;
    QTimer* wait_ = nullptr; // looks again for a tray that was not there
    int looksLeft_ = 0;
};

} // namespace orv
