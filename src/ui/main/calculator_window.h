// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "appearance.h"
#include "button_panel.h"
#include "calculator.h"
#include "calculator_view.h"
#include "display_line.h"
#include "error_hint_window.h"
#include "panel_layout.h"
#include "settings_values.h"
#include "text_panel.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QKeyEvent;

namespace orv {

class KeyPreview;
class Keypad;
class MainMenus;
class RegisterRow;
class SettingsStore;
class TConversionPanel;
class TSciencePanel;
class TStatisticsPanel;
class TapeKeeper;
class TapeLink;
class TapeWindow;
class TooltipController;
class TrayIcon;

// The main window: display strip, keypad, memory line and register row. It only draws and
// forwards: every key goes to the calculator engine, which reports back through CalculatorView.
class TCalculator : public QMainWindow, public CalculatorView {
    Q_OBJECT
  public:
    // The designed sizes are outer window sizes, with a 19-px caption, a 19-px menu bar and 3-px
    // borders inside them. Here the window manager draws the frame and the menu bar has a height
    // of its own, so what stays as designed is the client area below the menu bar: the outer
    // width less 6 and the outer height less 44 (172 px for the keypad, 200 with the memory row,
    // 31 for the display alone).
    static constexpr int kWidth = 246;
    static constexpr int kHeightWithoutMemory = 216;
    static constexpr int kHeightWithMemory = 244;
    static constexpr int kHeightReduced = 75;
    static constexpr int kFrameWidth = 6;
    static constexpr int kFrameHeight = 44;

    // The window's size in the designed outer measure (see above).
    QSize outerSize() const;

    // Reads the settings (writing defaults that are missing), applies the appearance and
    // restores the display number, the registers and the memory line.
    TCalculator(SettingsStore& store, Separators separators, QWidget* parent = nullptr);
    ~TCalculator() override;

    Calculator& calculator() { return calc_; }
    const Calculator& calculator() const { return calc_; }
    TErrorHintWindow& errorHint() { return *errorHint_; }
    TButtonPanel* keypadButton(KeypadKey key) const;
    bool fullSize() const { return layout_.fullSize(); }
    const Settings& settings() const { return settings_; }

    // The Evaluator window comes separately; registering how to open it enables its command.
    void setEvaluatorOpener(std::function<void(const QString& expression)> opener);

    // One handler for all 27 keys, from the mouse and from the keyboard: the key is shown
    // pressed and its command runs.
    void pressKeypadKey(KeypadKey key);
    void releaseAllKeys();
    void miCopyClick();
    void miPasteClick();
    void Evaluator1Click();
    // Edit > Undo and Redo (main_window_undo.cpp): a beep when there is no step to take.
    void miUndoClick();
    void miRedoClick();
    // Ctrl+H: opens the tape beside the window, or takes the keyboard to it when it is open.
    void miTapeClick();
    TapeKeeper& tape();
    // The tape's window, once it has been opened.
    TapeWindow* tapeWindow() const;
    // The keyboard on the display, where a screen reader reads the number; the window is
    // brought back first if it is hidden or minimised. Typing goes on here after a result is
    // taken from another window.
    void focusDisplay();
    void MaxMinClick();
    void pnMClick(int registerNumber); // pnM1Click .. pnM10Click
    void SetLang(int language);

    // View menu and layouts (main_window_layout.cpp).
    void miConvertClick();
    void miScienceClick();
    void miStatistClick();
    void Peredvizka();
    void RxTrayIcon1Click();
    // The window hidden to the tray (or minimised) shown again and active, with the tape if the
    // tape went with it.
    void restoreFromTray();
    // Whether the desktop has a tray; the toolkit's answer unless a test stands in for a tray.
    void setTrayCheck(std::function<bool()> check);
    bool conversionShown() const { return layout_.conversionShown(); }
    bool scientificShown() const { return layout_.shown(WidePanel::Science); }
    bool statisticsShown() const { return layout_.shown(WidePanel::Statistics); }
    TSciencePanel* sciencePanel() const { return pnScience; }
    TStatisticsPanel* statisticsPanel() const { return pnStatist; }
    TConversionPanel* conversionPanel() const { return pnConvert; }
    TooltipController& tooltips() const { return *tooltips_; }
    // The working state written at exit (and on a session end or a termination signal); what
    // stopped it from reaching the file, if anything did.
    std::optional<SaveFailure> SaveWorkingState();
    // A save that fails as the window closes is told in a message box; not at a termination
    // signal, when nobody may be there to answer one.
    void setSaveFailureBox(bool shown) { saveFailureBox_ = shown; }
    // Preferences applied (Apply or OK): grouping, colours, tray, digit style, size, typeface.
    void applyPreferences(const Settings& settings);
    // OK in Preferences: the stay-on-top choice, applied at once.
    void setStayOnTop(bool on);
    void SetTopMost();

    // CalculatorView
    void showDisplay(const DisplayLayout& layout) override;
    void showMemoryLine(const DisplayLayout& layout) override;
    void showSelectedRegister(int registerNumber, std::string_view label) override;
    void showSign(std::string_view sign) override;
    void setDisplayRed(bool mantissa, bool exponent) override;
    void restoreDisplayColours(bool frameToo) override;
    void showErrorHint(HintTarget target, std::string_view text) override;
    void beep() override;
    void releaseKey(KeypadKey key) override;
    void errorButUp() override;
    void memIndOpen() override;
    void memIndClose() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildSidePanels(QWidget* area);
    void refillUnitLists();
    void switchWidePanel(WidePanel which);
    void applyPanelLayout();
    void showPanelChecks();
    static DisplayLine::Rooms displayRooms(bool wide);
    void setDisplayWide(bool wide);
    void setWindowWidth(int outerWidth);
    void CalcMinimize();
    void hideToTray();
    void buildDisplay(QWidget* area);
    void buildKeypad(QWidget* area);
    void buildMemoryRow(QWidget* area);
    void buildMenus();
    void applyAppearance();
    void setWindowHeight(int outerHeight);
    void setOuterSize(int outerWidth, int outerHeight);
    // The size button shows the size the window is at.
    void showSizeButton();
    // Moves a shown window back inside its screen's available area after it grew or moved.
    void keepInsideScreen();
    void hideCutPanels();
    void applyTapeLook();
    // The error hint under the display, the keyboard left where it is.
    void showDisplayHint(const QString& text);
    void showSaveFailure(const SaveFailure& failure);
    // The Edit menu's Undo and Redo name the step each would take.
    void nameUndoSteps();

    SettingsStore& store_;
    Settings settings_;
    WorkingState restored_;
    AppearanceMapper mapper_;
    Calculator calc_;
    std::unique_ptr<TapeLink> tape_; // after the calculator: gone before it
    bool saveFailureBox_ = true;
    KeyPreview* keyPreview_ = nullptr;
    std::function<void(const QString&)> evaluatorOpener_;

    TErrorHintWindow* errorHint_ = nullptr;
    TextPanel* pnInd = nullptr;
    DisplayLine* pnOut = nullptr;
    TextPanel* pnSSS = nullptr;
    TextPanel* pnSize = nullptr;
    Keypad* pnSimple = nullptr;
    DisplayLine* pnMHist = nullptr;
    TextPanel* Panel15 = nullptr;
    RegisterRow* pnMemory = nullptr;

    MainMenus* menus_ = nullptr;

    PanelLayout layout_;
    TSciencePanel* pnScience = nullptr;
    TStatisticsPanel* pnStatist = nullptr;
    TConversionPanel* pnConvert = nullptr;
    TrayIcon* tray_ = nullptr;
    TooltipController* tooltips_ = nullptr;
};

} // namespace orv
