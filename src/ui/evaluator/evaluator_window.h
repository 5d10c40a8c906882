// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "separators.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QGroupBox;
class QHBoxLayout;
class QMenu;
class QPlainTextEdit;
class QProgressDialog;
class QRadioButton;
class QShortcut;
class QTimer;
class QToolButton;

namespace orv {

class EvaluationRunner;
class Calculator;
class SettingsStore;
class TErrorHintWindow;
class DisplayLine;
class TextPanel;
class VariableFields;
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
    // An evaluation that ends within this time shows its result before the call returns, with
    // no event served meanwhile; a longer one reports when it ends.
    static constexpr int kQuickWaitMs = 100;

    TEvaluator(Calculator& calculator, SettingsStore& settings, TErrorHintWindow& hint, QWidget* parent = nullptr);
    ~TEvaluator() override;

    void SetLang(int language);
    void applyLook(const EvaluatorLook& look);
    // Opening from the main window: the expression becomes `text`, then the window runs modally.
    void setExpression(const QString& text);

    // Evaluates on a worker thread. A quick evaluation's result is shown on return; while a
    // longer one runs, the expression and the variables are read-only and the commands that
    // would change them or open another window wait, so the result shown belongs to the text
    // shown. A request while one runs is refused, showing the progress with its Cancel at once.
    void bpEvaluateClick();
    bool evaluating() const;
    // Hiding, by whatever way of closing, cancels a running evaluation and waits for its end.
    void setVisible(bool visible) override;
    // Sends the result and closes; after a failed or cancelled evaluation it refuses, with a
    // beep and a hint, and the calculator keeps what it has.
    void bpToCalcClick();
    void SetVariable();
    void setAngleMeasure(AngleMeasure measure);
    AngleMeasure angleMeasure() const { return angle_; }
    void setReferenceShown(bool shown);
    bool referenceShown() const;
    const ExpressionVariables& variables() const;
    // The last evaluation's diagnostics, in the order raised. The hint lists them so, the cause
    // first, up to kHintLines lines.
    const std::vector<Diagnostic>& lastDiagnostics() const { return lastDiagnostics_; }
    static constexpr std::size_t kHintLines = 8;

signals:
    void helpRequested(int topic);
    void preferencesRequested();
    void aboutRequested();
    void homePageRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolBar(QWidget* parent);
    void OutputEval(const QString& text);
    // A failed or cancelled evaluation: its cause stands on the result line, and nothing can be sent.
    void showNoResult(const Diagnostic& cause);
    void fitAngleCaptions();
    void SCopy(const QString& text);
    void insertItem(const InsertItem& item);
    void sbExampleClick();
    void Referense1Click();
    void showProgress();
    void cancelEvaluation();
    void stopEvaluation();
    void evaluationFinished(const Evaluation& result, const std::string& text);
    void setEvaluating(bool running);
    Separators separators() const;

    Calculator& calculator_;
    SettingsStore& settings_;
    TErrorHintWindow& hint_;
    AngleMeasure angle_ = AngleMeasure::Radians;
    std::vector<Diagnostic> lastDiagnostics_;
    std::uint64_t lastOmitted_ = 0; // diagnostics raised beyond those kept
    std::string resultText_; // the last result's general text, sent by bpToCalc
    bool noResult_ = false;  // the last evaluation failed: bpToCalc has nothing to send

    VariableFields* variableFields_ = nullptr;
    std::array<QRadioButton*, 4> angleButtons_{};
    std::array<QAction*, 4> angleActions_{};
    QHBoxLayout* angleStrip_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QGroupBox* gbFormula = nullptr;
    QGroupBox* gbExample = nullptr;
    QToolButton* sbExample = nullptr;
    QAction* Referense1 = nullptr;
    DisplayLine* pnResult = nullptr;
    int language_ = 0;
    QToolButton* bpToCalc = nullptr;

    std::unique_ptr<EvaluationRunner> runner_;
    QTimer* progressDelay_ = nullptr;
    QProgressDialog* progress_ = nullptr; // only while a long evaluation runs
    // What waits while an evaluation runs: what would change the text or open another window.
    std::vector<QAction*> waitingActions_;
    std::vector<QWidget*> waitingControls_;
    QShortcut* helpKey_ = nullptr;
};

} // namespace orv
