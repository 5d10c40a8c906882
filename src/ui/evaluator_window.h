// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "separators.h"

#include <QDialog>
#include <QString>

#include <array>

class QAction;
class QActionGroup;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressDialog;
class QRadioButton;
class QToolButton;

namespace orv {

class BackgroundEvaluation;
class Calculator;
class SettingsStore;
class TErrorHintWindow;
class TextPanel;
struct InsertItem;

// The look the Evaluator takes over from the main display.
struct EvaluatorLook {
    QFont digitFont;
    QColor digitColour;
    QColor indicatorColour; // background of the result line and the expression field
    QColor frameColour;     // background of the reference pane, as the display frame
};

// The modal Evaluator: an expression, 26 variables, an angle measure, a result it can send to
// the calculator. Created once and kept hidden between openings.
class TEvaluator : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 1220;
    // Evaluations running longer than this show a progress dialog with Cancel.
    static constexpr int kProgressDelayMs = 500;

    TEvaluator(Calculator& calculator, SettingsStore& settings, TErrorHintWindow& hint, QWidget* parent = nullptr);
    ~TEvaluator() override;

    void SetLang(int language);
    void applyLook(const EvaluatorLook& look);
    // Opening from the main window: the expression becomes `text`, then the window runs modally.
    void setExpression(const QString& text);

    // Evaluates on a worker thread; the window stays live and the call returns with the result.
    void bpEvaluateClick();
    void bpToCalcClick();
    void SetVariable();
    void setAngleMeasure(AngleMeasure measure);
    AngleMeasure angleMeasure() const { return angle_; }
    void setReferenceShown(bool shown);
    bool referenceShown() const;
    const ExpressionVariables& variables() const { return variables_; }
    // The last evaluation's diagnostics, in the order raised.
    const std::vector<Diagnostic>& lastDiagnostics() const { return lastDiagnostics_; }

signals:
    void helpRequested(int topic);
    void preferencesRequested();
    void aboutRequested();
    void homePageRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void buildMenus();
    void buildVariables(QWidget* parent);
    void buildToolBar(QWidget* parent);
    void OutputEval(const QString& text);
    void placeExponent();
    void fitAngleCaptions();
    void SCopy(const QString& text);
    void insertItem(const InsertItem& item);
    void sbExampleClick();
    void Referense1Click();
    void showProgress();
    void cancelEvaluation();
    Separators separators() const;

    Calculator& calculator_;
    SettingsStore& settings_;
    TErrorHintWindow& hint_;
    ExpressionVariables variables_{};
    AngleMeasure angle_ = AngleMeasure::Radians;
    std::vector<Diagnostic> lastDiagnostics_;
    std::string resultText_; // the last result's general text, sent by bpToCalc

    std::array<QLineEdit*, 26> variableFields_{};
    std::array<QString, 26> variableErrors_{}; // empty for a field that holds a number
    std::array<QRadioButton*, 4> angleButtons_{};
    std::array<QAction*, 4> angleActions_{};
    QHBoxLayout* angleStrip_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QGroupBox* gbFormula = nullptr;
    QGroupBox* gbExample = nullptr;
    QToolButton* sbExample = nullptr;
    QAction* Referense1 = nullptr;
    QWidget* pnResult = nullptr;
    TextPanel* pnEOut3 = nullptr;
    TextPanel* pnEOut2 = nullptr;
    QToolButton* bpToCalc = nullptr;

    // The evaluation running, and its progress once it has run long; both only while one runs.
    BackgroundEvaluation* running_ = nullptr;
    QProgressDialog* progress_ = nullptr;
};

} // namespace orv
