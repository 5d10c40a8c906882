// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The Evaluator's evaluation: started on the runner, waited for with the window read-only and a
// progress after a moment, its result shown, written on the tape and sent to the calculator.
#include "evaluator_window.h"

#include "calculator.h"
#include "diagnostic_list.h"
#include "display_line.h"
#include "error_hint_window.h"
#include "evaluation_runner.h"
#include "evaluation_tape.h"
#include "evaluator_texts.h"
#include "number_text.h"
#include "utf8.h"
#include "variable_fields.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace orv {
namespace {

// An expression pasted in may be megabytes; its line on the tape keeps the start of it, so that a
// tape of thousands of lines still opens at once. The cut falls between characters.
constexpr std::size_t kTapeExpressionBytes = 1000;

void shortenForTape(std::string& expression) {
    if (expression.size() <= kTapeExpressionBytes) return;
    std::size_t end = kTapeExpressionBytes;
    while (end > 0 && isContinuationByte(static_cast<unsigned char>(expression[end]))) --end;
    expression.resize(end);
    expression += "\u2026";
}

} // namespace

void TEvaluator::showProgress() {
    if (!evaluating() || progress_ || !isVisible()) return;
    progress_ = new QProgressDialog(this);
    progress_->setObjectName(QStringLiteral("EvaluationProgress"));
    progress_->setWindowTitle(evaluatorPhrase(EvaluatorPhrase::ProgressTitle, language_));
    progress_->setLabelText(evaluatorPhrase(EvaluatorPhrase::Evaluating, language_));
    progress_->setRange(0, 0);
    progress_->setMinimumDuration(0);
    // Modeless: the window is read-only meanwhile anyway, and its Close button and Esc must
    // still work (a window-modal progress that the window manager did not activate left Esc
    // with nowhere to go).
    progress_->setWindowModality(Qt::NonModal);
    // Enter pressed again and again must not cancel: only Cancel itself, Esc or closing do.
    if (auto* cancel = progress_->findChild<QPushButton*>()) cancel->setAutoDefault(false);
    connect(progress_, &QProgressDialog::canceled, this, &TEvaluator::cancelEvaluation);
    connect(progress_, &QDialog::rejected, this, &TEvaluator::cancelEvaluation);
    // Over the variables, which wait anyway, not over the expression it is working on.
    progress_->adjustSize();
    const auto* variables = findChild<QWidget*>(QStringLiteral("GroupBox1"));
    progress_->move(variables->mapToGlobal(variables->rect().center()) - progress_->rect().center());
    progress_->show();
}

bool TEvaluator::evaluating() const { return runner_->running(); }

// Only asks: the end comes a moment later through evaluationFinished, and the window stays live.
void TEvaluator::cancelEvaluation() { runner_->cancel(); }

void TEvaluator::stopEvaluation() { runner_->stop(); }

void TEvaluator::bpEvaluateClick() {
    if (evaluating()) {
        // The text on show is the one being evaluated; the progress says so, and offers Cancel.
        QApplication::beep();
        showProgress();
        return;
    }
    // The lines joined with nothing between them; one copy, since the text may be megabytes.
    std::string text = Memo1->toPlainText().remove(QLatin1Char('\n')).toStdString();
    SetVariable();
    // A variable field that does not hold a number stops the evaluation: computing on with the
    // field's last good value would give a result the fields on screen do not say.
    if (const QString invalid = variableFields_->firstError(); !invalid.isEmpty()) {
        lastDiagnostics_ = {Diagnostic{invalid.toStdString(), 0}};
        lastOmitted_ = 0;
        showNoResult(lastDiagnostics_.front());
        hint_.showHint(pnResult, invalid);
        return;
    }
    // Whatever ends this evaluation, the last one's result is no longer the one to send.
    resultText_.clear();
    noResult_ = false;
    runner_->start(std::move(text), variableFields_->values(), angle_, calculator_.messages());
    if (runner_->waitFor(kQuickWaitMs)) return;
    setEvaluating(true);
    // Nor the one to show beside the text being evaluated.
    pnResult->clear();
    progressDelay_->start(kProgressDelayMs - kQuickWaitMs);
}

void TEvaluator::setEvaluating(bool running) {
    Memo1->setReadOnly(running);
    // Read-only, the caret and the selection still move, by the mouse and by the keys.
    if (running) Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    variableFields_->setReadOnly(running);
    for (QAction* action : waitingActions_) action->setEnabled(!running);
    for (QWidget* control : waitingControls_) control->setEnabled(!running);
    helpKey_->setEnabled(!running);
}

void TEvaluator::evaluationFinished(const Evaluation& result, const std::string& text) {
    progressDelay_->stop();
    delete progress_;
    progress_ = nullptr;
    setEvaluating(false);
    lastDiagnostics_ = result.diagnostics;
    lastOmitted_ = result.omittedDiagnostics;

    if (result.succeeded()) {
        // The result waits here until it is sent: the calculator's entry and Copy stay as shown.
        resultText_ = generalText(result.value, separators());
        OutputEval(QString::fromStdString(calculator_.resultDisplayText(result.value)));
    } else {
        // Beside a diagnostic the value is a substitute: the cause stands in its place instead.
        showNoResult(lastDiagnostics_.empty() ? Diagnostic{} : lastDiagnostics_.front());
    }
    // A stopped evaluation asked nothing that the tape could answer.
    if (!result.cancelled) {
        TapeStep step = evaluationTapeStep(text, result, separators(), calculator_.messages());
        shortenForTape(step.a);
        calculator_.writeTape(step);
    }
    if (!lastDiagnostics_.empty() && isVisible()) {
        const std::string more = evaluatorPhrase(EvaluatorPhrase::MoreDiagnostics, language_).toStdString();
        hint_.showHint(pnResult,
                       QString::fromStdString(diagnosticList(lastDiagnostics_, lastOmitted_, more, kHintLines)));
    }
}

void TEvaluator::OutputEval(const QString& text) {
    pnResult->showNumber(layoutDisplay(text.toStdString(), DisplayKind::Evaluator));
}

void TEvaluator::showNoResult(const Diagnostic& cause) {
    resultText_.clear();
    noResult_ = true;
    pnResult->showText(QString::fromUtf8(diagnosticMessage(cause)));
}

void TEvaluator::bpToCalcClick() {
    if (evaluating()) return; // the result on show is about to be replaced
    if (noResult_) {
        bpToCalc->setDown(false);
        QApplication::beep();
        hint_.showHint(bpToCalc, evaluatorPhrase(EvaluatorPhrase::NoResultToSend, language_));
        return;
    }
    // Before any evaluation the calculator's own entry goes back.
    const std::string text = resultText_.empty() ? calculator_.copyText() : resultText_;
    if (!calculator_.loadOperandText(text)) {
        bpToCalc->setDown(false);
        return;
    }
    hide();
}

} // namespace orv
