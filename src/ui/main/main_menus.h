// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QObject>

#include <array>
#include <string>

class QAction;
class QMenu;
class QMenuBar;

namespace orv {

struct MainWindowTexts;

// The main window's commands, in the order of their menus.
enum class MenuCommand {
    Undo, Redo, Copy, Paste, Preferences,                  // Edit
    Conversion, Science, Statistics, Evaluator, Tape, Max, Min, // View
    Contents, HomePage, About,                             // Help
};
inline constexpr std::size_t kMenuCommandCount = 15;

// The menu bar of the main window: the Edit, View and Help menus with their items, shortcuts,
// check marks and texts. What a command does is the window's business.
class MainMenus : public QObject {
  public:
    MainMenus(QMenuBar& bar, QObject* parent);

    QAction* item(MenuCommand command) const { return items_[static_cast<std::size_t>(command)]; }
    QMenu* editMenu() const { return edit_; }

    void setTexts(const MainWindowTexts& texts);
    // Undo and Redo name the step each would take ("" for none).
    void nameUndoSteps(const MainWindowTexts& texts, const std::string& undo, const std::string& redo);
    // The full and the reduced layout: the check marks, and F4 beside the one it switches to.
    void showFullSize(bool full);
    // The reduced layout exists only with the plain keypad.
    void setSizeItemsEnabled(bool enabled);

  private:
    std::array<QAction*, kMenuCommandCount> items_{};
    QMenu* edit_ = nullptr;
    QMenu* view_ = nullptr;
    QMenu* help_ = nullptr;
};

} // namespace orv
