// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QMenu;
class QTimer;
class QListView;

namespace orv {

class Calculator;
class SettingsStore;
class TapeKeeper;
class TapeModel;
struct TapeStep;

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

    // Shows the window, docked beside the main window unless the user moved it away, with the
    // keyboard in it on the last line (unless told not to take it).
    void open(bool takeKeyboard = true);
    // Open by the user's wish: shown now, or only hidden with the calculator in the tray. Closing
    // it (Ctrl+H, Esc, its frame) ends the wish.
    bool wantedOpen() const { return wantedOpen_; }
    bool docked() const { return docked_; }
    // Flush against the calculator's side, following it from now on.
    void dock();
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
    // Gives the keyboard back to the calculator (its display), bringing it out of the tray first.
    std::function<void()> returnToCalculator;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void followNewLines();
    void fitRowsToLines();
    void widenRowsFor(int first, int last);
    void moveToLastLine();
    void placeFirstTime();
    QPoint dockedPosition() const;
    void moveToDock();
    void hideMessage();
    void closeByUser();
    void returnToMainWindow();
    int currentRow() const;
    const TapeStep* currentEntry() const;
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
    static constexpr int kMessageTime = 10000; // ms the banner stays
    bool placed_ = false;
    bool wantedOpen_ = false;
    bool docked_ = true;
    QPoint dockedAt_; // where it was last put beside the calculator
    QElapsedTimer docking_; // since it was last put there
    bool awaitingDockMove_ = false; // the window manager's answer to that is still to come
    static constexpr int kDockingTime = 500; // ms
    QTimer* messageTimer_ = nullptr;
    int rowWidth_ = 0; // of every row: the widest line's
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
    QAction* miTapeDock = nullptr;
};

} // namespace orv
