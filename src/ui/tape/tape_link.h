// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace orv {

class Calculator;
class SettingsStore;
class TapeKeeper;
class TapeWindow;

// The calculator's tape as its main window has it: the lines and their file, the window that shows
// them (made when first opened, and given the language, look and stay-on-top the calculator has),
// a failing file said once, and the tape going to the tray and back with the calculator.
class TapeLink : public QObject {
  public:
    // The file's work comes back to the event loop, never into the middle of a key. Owned by the
    // calculator's window and gone before its calculator.
    TapeLink(QWidget& mainWindow, Calculator& calculator, SettingsStore& store, const QString& filePath, bool keep);
    ~TapeLink() override;

    TapeKeeper& keeper() { return *keeper_; }
    // The window, once it has been opened.
    TapeWindow* window() const { return window_; }

    void open(bool takeKeyboard);
    // As the calculator's window is first shown: the tape comes back if it was open at the end.
    void reopenIfItWasOpen();
    // The tape's file, and its kept state, at the end of a run.
    void rememberForNextRun();

    void setLanguage(int language);
    void setLook(const QFont& digits, const QColor& digitColour, const QColor& background);
    void setStaysOnTop(bool on);
    void setKeep(bool keep);

    // The tape belongs to the calculator: hidden with it to the tray, and shown again with it.
    void hideWithCalculator();
    void showWithCalculator();
    void hide();

    // Where the calculator says a failing file once, under its display, and gives the keyboard
    // back from the tape.
    std::function<void(const QString& text)> sayTrouble;
    std::function<void()> returnToCalculator;

  private:
    void showTrouble();

    QWidget& mainWindow_;
    Calculator& calculator_;
    SettingsStore& store_;
    std::unique_ptr<TapeKeeper> keeper_;
    TapeWindow* window_ = nullptr;
    int language_ = 0;
    QFont font_;
    QColor digitColour_, background_;
    bool staysOnTop_ = false;
    bool reopened_ = false;
    bool troubleSaid_ = false;
    bool hiddenWithCalculator_ = false;
};

} // namespace orv
