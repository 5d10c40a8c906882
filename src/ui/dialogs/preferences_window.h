// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "appearance.h"
#include "settings_values.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace orv {

class SettingsStore;
class TCalculator;
class TextPanel;

// The modal Preferences window: display colours, digit typeface, size and style, grouping,
// tray, stay-on-top, language, keeping the tape and the exchange rates, with a live preview. Nothing reaches the
// other windows or the settings until Apply or OK.
class TPreForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kWidth = 416;
    static constexpr int kHeight = 327;
    static constexpr int kHelpTopic = 80;
    static constexpr int kMinFontSize = kMinDigitFontSize;
    static constexpr int kMaxFontSize = kMaxDigitFontSize;

    // The main window is only read: the settings in use, its separators and digit look.
    TPreForm(SettingsStore& store, const TCalculator& calculator, QWidget* parent = nullptr);
    ~TPreForm() override;

    void SetLang(int language);
    // Reloads every control from the settings; runs each time the window comes up.
    void FormActivate();
    void SetStyle();
    void SetParam();

    void ckbThouClick();
    void cbIndColorClick();
    void cbIndFontColorChange();
    void cbkStayOnTopClick();
    void cbMinToTrayClick();
    void cbKeepTapeClick();
    void cbLangClick();
    void spFontSizeChange();
    void bBClick();
    void bIClick();
    void cbIndFontNameClick();
    void bbApplyClick();
    void bbOkClick();
    void bbNoClick();
    void bbHelpClick();

    int digitFontStyle() const { return digitFontStyle_; }

  signals:
    void helpRequested(int topic);
    // Apply or OK stored these settings; the windows that show them take them from here.
    void applied(const orv::Settings& settings);
    // OK chose to keep (or not) the windows above others.
    void stayOnTopChosen(bool on);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QComboBox* colourList(QGroupBox* box, const char* name);
    void selectColour(QComboBox* list, int colour);
    int chosenColour(const QComboBox* list) const;
    void enableApply();
    void showPreviewText();
    // Makes a list's accessible name say what it sets, and its description the item chosen.
    void nameByPurpose(QComboBox* list);
    void nameChosenItem(QComboBox* list);
    void setPreviewBackground(const QColor& colour);
    void setPreviewTextColour(const QColor& colour);
    void setPreviewFont(const std::function<void(QFont&)>& change);
    void showToggles();

    SettingsStore& store_;
    const TCalculator& calculator_;
    AppearanceMapper mapper_;
    bool bold_ = false;
    bool italic_ = false;
    int digitFontStyle_ = 2;
    QString digitFontName_;

    TextPanel* pnOutPref = nullptr;
    TextPanel* pnSSSPref = nullptr;
    QComboBox* cbIndColor = nullptr;
    QComboBox* cbIndFontColor = nullptr;
    QComboBox* cbIndFontName = nullptr;
    QComboBox* cbLang = nullptr;
    QCheckBox* ckbThou = nullptr;
    QCheckBox* cbMinToTray = nullptr;
    QCheckBox* cbkStayOnTop = nullptr;
    QCheckBox* cbKeepTape = nullptr;
    QComboBox* cbRateSource = nullptr;
    QCheckBox* cbAutoRates = nullptr;
    QSpinBox* spFontSize = nullptr;
    QToolButton* bB = nullptr;
    QToolButton* bI = nullptr;
    QPushButton* bbOk = nullptr;
    QPushButton* bbNo = nullptr;
    QPushButton* bbApply = nullptr;
    QPushButton* bbHelp = nullptr;
};

} // namespace orv
