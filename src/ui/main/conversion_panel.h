// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator.h"
#include "messages.h"

#include <QComboBox>
#include <QFrame>
#include <QList>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QTimer;
class QToolButton;

namespace orv {

class CurrencyRates;
class TButtonPanel;

// A list of the conversion panel. It reports its list opening first, so the window can widen it
// for long names, and leaves the keys the keypad takes to the keypad. A name too long for the
// closed list is shortened with an ellipsis and shown whole in the list's hint; the open list is
// as wide as its longest name.
class TUnitList : public QComboBox {
    Q_OBJECT
  public:
    explicit TUnitList(QWidget* parent = nullptr);
    bool isListOpen() const;
    void showPopup() override;
    // The current name as the closed list shows it, and the face it is drawn in.
    QString shownText() const;
    QFont shownFont() const;

  signals:
    void dropDown();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int textRoom() const;
    void updateHint();
};

// The conversion panel `pnConvert`: the group list `cbVibor`, the two direction buttons and
// the two unit lists `cb1` and `cb2`, which belong to the window (they widen over the keypad
// while open) and are shown and hidden with the panel. The spoken names are the language's.
class TConversionPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kWidth = 163, kHeight = 168;
    static constexpr int kListWidth = 155, kOpenListWidth = 280;

    // `listParent` is the window area that holds cb1 and cb2.
    TConversionPanel(Calculator& calculator, QWidget* listParent);

    void setShown(bool shown);
    // The bank chosen in Preferences (0 ECB, 1 Bank of Russia) and whether showing the currency
    // group fetches due rates by itself.
    void setRateSettings(int source, bool automatic);
    CurrencyRates& currencyRates() { return *rates_; }
    // The update command (button, Ctrl+U): fetches now; a failure shows in the error hint.
    void updateRates();
    // Unit names are Russian only for language 1; the group names are the window's texts.
    void setUnitLanguage(Language language) { unitLanguage_ = language; }

    // The user picks a group (also run whenever the language is applied): both unit lists
    // refilled with the group's units, their first unit selected.
    void cbViborClick();
    // Down arrow: from the cb1 unit to the cb2 unit. Up arrow: the other way.
    void RxSpeedButton8Click();
    void RxSpeedButton7Click();

    int convertGroup() const { return convertGroup_; }
    void selectGroup(int group);

    // The housekeeping timer watches open lists only: a list opening wakes it, and it stops once
    // the lists are closed and their aftermath handled, so an idle window is never woken.
    void startHousekeeping();
    void Timer1Timer();
    // Where the keyboard goes when no list was chosen in (at start none was): the display.
    std::function<void()> keyboardHome;

    // The panel's controls in Tab order, top to bottom (cb1 and cb2 are the window's).
    QList<QWidget*> tabStops() const;

  private:
    bool anyListOpen() const;
    void narrowClosedLists();
    // Gives the focus back to the list last opened, once it is closed, with its focus mark; false
    // when there is none to give it to (no list opened since the last call, or one out of view).
    bool refocusClosedList();
    void convert(const QComboBox* from, const QComboBox* to);
    Language messagesLanguage() const;
    // The currency lists refilled from the rates, keeping the chosen currencies where they still
    // are; `fresh` (the group just chosen) selects the US dollar above the base currency.
    void fillCurrencies(bool fresh);
    void showRatesState();
    void currencyGroupShown();

    Calculator& calc_;
    Language unitLanguage_ = Language::English;
    int convertGroup_ = 0;
    TUnitList* cbVibor = nullptr;
    TUnitList* cb1 = nullptr;
    TUnitList* cb2 = nullptr;
    TButtonPanel* RxSpeedButton7 = nullptr;
    TButtonPanel* RxSpeedButton8 = nullptr;
    QPointer<TUnitList> lastOpened_;
    CurrencyRates* rates_ = nullptr;
    QLabel* lbRates = nullptr;
    QToolButton* bpUpdateRates = nullptr;
    QAction* miUpdateRates = nullptr;
    bool shown_ = false;
    bool manualUpdate_ = false;
    QTimer* Timer1 = nullptr;
    bool ComboFocusPending = true; // the first tick takes the focus off any list
};

} // namespace orv
