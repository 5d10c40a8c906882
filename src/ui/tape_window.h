// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QWidget>

class QLabel;
class QMenu;
class QListView;

namespace orv {

class Calculator;
class SettingsStore;
class TapeKeeper;
class TapeModel;
struct TapeEntry;

// The tape beside the main window: every completed step, one line each, in a list that lays out
// only the lines on screen. A line's result goes back into the calculator with Enter or a double
// click; Ctrl+H or Esc closes the window, and either way the keyboard goes back to the main window.
class TapeWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDefaultWidth = 300;
    static constexpr int kMinDefaultHeight = 200;

    // Reads the tape's lines at once: the window is made only when first opened.
    TapeWindow(TapeKeeper& keeper, Calculator& calculator, SettingsStore& store, QWidget& mainWindow);
    ~TapeWindow() override;

    // Shows the window (the first time against the main window's right edge, later where it was
    // left) with the keyboard in it, on the last line.
    void open();
    void SetLang(int language);
    void applyLook(const QFont& digits, const QColor& text, const QColor& background);
    // Shows what the tape's file is failing at, if anything, under the lines.
    void showTrouble();

    // The line's result becomes the calculator's operand and the main window takes the keyboard
    // back; a line without a result (a failed step, a note) only beeps. True when a result was used.
    bool useRow(int row);
    bool saveTo(const QString& path);
    // The place and size to come back to next time.
    void rememberGeometry();

    QListView* view() const { return memTape; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void followNewLines();
    void moveToLastLine();
    void placeBesideMainWindow();
    void returnToMainWindow();
    int currentRow() const;
    const TapeEntry* currentEntry() const;
    void showMenu(const QPoint& position);
    void copyLines();
    void copyResult();
    void saveAs();
    void clearTape();
    void restoreClearedTape();
    void showMessage(const QString& text);

    TapeKeeper& keeper_;
    Calculator& calculator_;
    SettingsStore& store_;
    QWidget& mainWindow_;
    int language_ = 0;
    bool placed_ = false;
    bool following_ = true; // the caret is on the last line, so new lines take it along

    TapeModel* model_ = nullptr;
    QListView* memTape = nullptr;
    QLabel* lbTapeMessage = nullptr;
    QMenu* pmTape = nullptr;
    QAction* miTapeCopy = nullptr;
    QAction* miTapeCopyResult = nullptr;
    QAction* miTapeUseResult = nullptr;
    QAction* miTapeSelectAll = nullptr;
    QAction* miTapeSaveAs = nullptr;
    QAction* miTapeClear = nullptr;
    QAction* miTapeUndoClear = nullptr;
};

} // namespace orv
