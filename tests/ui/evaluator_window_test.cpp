// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "colour.h"
#include "evaluation_runner.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "number_text.h"
#include "settings_values.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QShortcut>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace orv::testing {
namespace {

// The main window (comma locale) with its Evaluator, shown without running modally.
class EvaluatorTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        evaluator = std::make_unique<TEvaluator>(window->calculator(), *store, window->errorHint(), window.get());
        evaluator->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(evaluator.get()));
    }
    void TearDown() override {
        evaluator.reset();
        WindowTest::TearDown();
    }

    template <typename T>
    T* child(const QString& name) const {
        T* w = evaluator->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QPlainTextEdit* memo() const { return child<QPlainTextEdit>(QStringLiteral("Memo1")); }
    QLineEdit* field(char letter) const { return child<QLineEdit>(QStringLiteral("ed") + QLatin1Char(letter)); }
    QString result() const { return child<TextPanel>(QStringLiteral("pnEOut3"))->text(); }
    QString resultExponent() const { return child<TextPanel>(QStringLiteral("pnEOut2"))->text(); }
    QString hint() const { return window->errorHint().isVisible() ? window->errorHint().text() : QString(); }

    // The Evaluator is modal: the main window takes keys only while it is closed.
    void typeInMainWindow(const char* keys) {
        evaluator->hide();
        type(keys);
        evaluator->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(evaluator.get()));
    }

    // Evaluates and waits for the end, however long it takes.
    QString evaluate(const QString& expression) {
        memo()->setPlainText(expression);
        evaluator->bpEvaluateClick();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !evaluator->evaluating(); }, 30000))
            << expression.toStdString();
        return result().trimmed();
    }

    // Starts an evaluation that runs until it is stopped.
    void startEndlessSum() {
        memo()->setPlainText(QString::fromLatin1(kEndlessSum));
        evaluator->bpEvaluateClick();
        ASSERT_TRUE(evaluator->evaluating());
    }
    static constexpr const char* kEndlessSum = "sum(1,1000000000000,i)";

    QProgressDialog* progress() const {
        return evaluator->findChild<QProgressDialog*>(QStringLiteral("EvaluationProgress"));
    }

    QAction* insertAction(const char* submenu, const char* caption) const {
        auto* menu = evaluator->findChild<QMenu*>(QString::fromLatin1(submenu));
        EXPECT_NE(menu, nullptr) << submenu;
        emit menu->aboutToShow(); // the items are made when the submenu first opens
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String(caption)) return a;
        ADD_FAILURE() << "no item " << caption;
        return nullptr;
    }

    std::unique_ptr<TEvaluator> evaluator;
};

TEST_F(EvaluatorTest, OpeningTakesTheValueWithThePointTheLanguageReads) {
    typeInMainWindow("1,5");
    window->setEvaluatorOpener([this](const QString& expression) { evaluator->setExpression(expression); });
    window->Evaluator1Click();
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("1.5"));
    evaluator->bpEvaluateClick();
    EXPECT_EQ(result().trimmed(), QStringLiteral("1,5"));
}

TEST_F(EvaluatorTest, ResultsAndDiagnostics) {
    struct Row {
        const char* expression;
        const char* value; // nullptr: no result, the cause stands in its place
        const char* cause; // the first diagnostic, without its blanks; empty: none
        std::string hint = cause; // every diagnostic, the cause first
    };
    std::string twenty; // a wrong name in each of twenty terms: the first seven, then a count
    for (int i = 0; i < 7; ++i) twenty += "AB is wrong name\n";
    const Row rows[] = {
        {"", nullptr, "Syntax error in position 1"},
        {"2+\n3", "5", ""},
        {"(1+2)*\n4", "12", ""},
        {"1/0", nullptr, "It is impossible to divide into a zero!"}, // not the dividend
        {"2 3", nullptr, "Text after the expression in position 3"},
        {"2\x1b*3", nullptr, "Syntax error in position 2"}, // a control character
        {"2^10", nullptr, "Text after the expression in position 2"},
        {"2,5+1", nullptr, "Text after the expression in position 2"},
        {"2+3)", nullptr, "Text after the expression in position 4"},
        {"3*2+IF(3>1;10;20)", nullptr, "Expected ',' in position 11", // not the second ";"
         "Expected ',' in position 11\nExpected ',' in position 14"},
        {"FOO(2)", nullptr, "Unknown function FOO", "Unknown function FOO\nExpected ')' in position 5"},
        {"SUM(1,20,ab)", nullptr, "AB is wrong name", twenty + "\u2026 and 13 more"},
    };
    typeInMainWindow("9");
    const CalculatorState before = window->calculator().state();
    for (const Row& row : rows) {
        window->errorHint().hideHint();
        const QString shown = evaluate(QString::fromUtf8(row.expression));
        const QString spoken = child<QWidget>(QStringLiteral("pnResult"))->accessibleName();
        const bool red = child<TextPanel>(QStringLiteral("pnEOut3"))->textColour() == colorFromColorRef(kKeyRed);
        if (row.value) {
            EXPECT_EQ(shown, QString::fromLatin1(row.value)) << row.expression;
            EXPECT_EQ(spoken, QStringLiteral("Result: ") + QString::fromLatin1(row.value));
            EXPECT_FALSE(red) << row.expression;
        } else {
            EXPECT_EQ(shown, QString::fromLatin1(row.cause)) << row.expression;
            EXPECT_EQ(spoken, QStringLiteral("No result: ") + QString::fromLatin1(row.cause));
            EXPECT_TRUE(red) << row.expression;
            EXPECT_EQ(hint().toStdString(), row.hint) << row.expression;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(&window->errorHint())->text(QAccessible::Name),
                      QString::fromLatin1(row.cause)) << "the alert leads with the cause";
            // The substitute value is not sent: the send refuses and the calculator keeps its state.
            evaluator->bpToCalcClick();
            EXPECT_TRUE(evaluator->isVisible()) << row.expression;
            EXPECT_EQ(hint(), QStringLiteral("There is no result to send")) << row.expression;
            EXPECT_EQ(display().trimmed(), QStringLiteral("9")) << row.expression;
            EXPECT_EQ(window->calculator().state().EntryText, before.EntryText) << row.expression;
            EXPECT_EQ(window->calculator().state().Typing, before.Typing) << row.expression;
        }
        if (*row.cause) {
            ASSERT_FALSE(evaluator->lastDiagnostics().empty()) << row.expression;
            EXPECT_EQ(QString::fromStdString(evaluator->lastDiagnostics().front().text).trimmed(),
                      QString::fromLatin1(row.cause));
        } else {
            EXPECT_TRUE(evaluator->lastDiagnostics().empty()) << row.expression;
        }
    }
}

TEST_F(EvaluatorTest, EnterInTheExpressionEvaluatesWithoutALineBreak) {
    memo()->setPlainText(QStringLiteral("6*7"));
    memo()->setFocus();
    memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(memo(), Qt::Key_Return);
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("6*7"));
    EXPECT_EQ(result().trimmed(), QStringLiteral("42"));
    EXPECT_TRUE(evaluator->isVisible());
}

TEST_F(EvaluatorTest, VariableFieldsInEitherSeparatorAndInvalidText) {
    field('A')->setText(QStringLiteral("2.5"));
    EXPECT_EQ(evaluate(QStringLiteral("a*2")), QStringLiteral("5"));
    field('A')->setText(QStringLiteral("2,5"));
    EXPECT_EQ(evaluate(QStringLiteral("a*2")), QStringLiteral("5"));

    field('B')->setText(QStringLiteral("3"));
    field('D')->setText(QStringLiteral("4"));
    field('C')->setText(QStringLiteral("7"));
    field('C')->setText(QStringLiteral("abc"));
    field('D')->setText(QStringLiteral("5")); // fields after the bad one are still read
    const QString message = QStringLiteral("'abc' is not a valid floating point value.");
    EXPECT_EQ(field('C')->toolTip(), message);
    EXPECT_FALSE(field('C')->styleSheet().isEmpty());
    EXPECT_EQ(evaluator->variables()[3], 5.0L);
    // Not the last good value, 7: the evaluation stops and says which field is wrong.
    for (const char* expression : {"c", "d", "c*2"}) {
        window->errorHint().hideHint();
        EXPECT_EQ(evaluate(QString::fromLatin1(expression)), message) << expression;
        ASSERT_FALSE(evaluator->lastDiagnostics().empty()) << expression;
        EXPECT_EQ(QString::fromStdString(evaluator->lastDiagnostics().back().text), message) << expression;
        EXPECT_EQ(hint(), message) << expression;
    }

    field('C')->setText(QString());
    EXPECT_TRUE(field('C')->toolTip().isEmpty()) << "an empty field is 0 without a mark";
    EXPECT_TRUE(field('C')->styleSheet().isEmpty());
    EXPECT_EQ(evaluate(QStringLiteral("c+b")), QStringLiteral("3"));
    EXPECT_TRUE(evaluator->lastDiagnostics().empty());
    EXPECT_EQ(evaluate(QStringLiteral("d")), QStringLiteral("5"));
}

TEST_F(EvaluatorTest, SwitchingTheAngleMeasureDoesNotRecompute) {
    const QString radians = evaluate(QStringLiteral("sin(30)"));
    child<QRadioButton>(QStringLiteral("rbDegr"))->click();
    EXPECT_EQ(result().trimmed(), radians);
    EXPECT_TRUE(child<QAction>(QStringLiteral("Degrees1"))->isChecked());
    EXPECT_EQ(evaluate(QStringLiteral("sin(30)")), QStringLiteral("0,5"));
    child<QAction>(QStringLiteral("Grads1"))->trigger();
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("rbGrad"))->isChecked());
    EXPECT_EQ(evaluator->angleMeasure(), AngleMeasure::Grads);
}

TEST_F(EvaluatorTest, InsertWrapsTheSelectionAndLeavesItOnTheClipboard) {
    memo()->setPlainText(QStringLiteral("a+b"));
    memo()->selectAll();
    insertAction("Trigonometric1", "sin(x)")->trigger();
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("sin(a+b)"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("sin(a+b)"));

    memo()->setPlainText(QStringLiteral("8"));
    memo()->selectAll();
    insertAction("Logarithmical1", "Log(x,y)")->trigger();
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("log( ,8)"));
    EXPECT_EQ(evaluate(memo()->toPlainText()), QStringLiteral("Syntax error in position 5"));
    ASSERT_FALSE(evaluator->lastDiagnostics().empty());
    EXPECT_EQ(evaluator->lastDiagnostics().front().position, 5);

    memo()->setPlainText(QStringLiteral("x"));
    memo()->selectAll();
    insertAction("VariablesMZ1", "Q")->trigger();
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("q")) << "a plain item replaces the selection";
}

TEST_F(EvaluatorTest, LargeResultIsLaidOutWithARaisedExponent) {
    evaluate(QStringLiteral("1.5E20"));
    EXPECT_EQ(result(), QStringLiteral("1,500000000000*10          "));
    EXPECT_EQ(resultExponent(), QStringLiteral("+0020"));
}

TEST_F(EvaluatorTest, SendingClosesAndTheMainWindowCopiesTheValue) {
    typeInMainWindow("7");
    evaluate(QStringLiteral("2/3"));
    EXPECT_EQ(display().trimmed(), QStringLiteral("7")) << "evaluating leaves the main display";
    window->miCopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("7")) << "Copy gives what the display shows";
    evaluator->bpToCalcClick();
    EXPECT_FALSE(evaluator->isVisible());
    EXPECT_EQ(display().trimmed(), QStringLiteral("0,666666666666667"));
    EXPECT_EQ(window->calculator().state().CurrentValue, 0.666666666666667L);
    window->miCopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0,666666666666667"));
    typeInMainWindow("5");
    EXPECT_EQ(display().trimmed(), QStringLiteral("5")) << "a sent result ends the number being typed";
}

TEST_F(EvaluatorTest, TheReferencePaneStateSurvivesARestart) {
    EXPECT_TRUE(evaluator->referenceShown());
    child<QToolButton>(QStringLiteral("sbExample"))->click();
    EXPECT_FALSE(evaluator->referenceShown());
    EXPECT_FALSE(child<QWidget>(QStringLiteral("gbExample"))->isVisible());
    EXPECT_EQ(child<QWidget>(QStringLiteral("gbFormula"))->height(), 210);
    EXPECT_EQ(store->readInt(QString::fromLatin1(value::RReference)), 0);

    TEvaluator again(window->calculator(), *store, window->errorHint());
    EXPECT_FALSE(again.referenceShown());
    again.findChild<QAction*>(QStringLiteral("Referense1"))->trigger();
    EXPECT_TRUE(again.referenceShown());
    EXPECT_EQ(store->readInt(QString::fromLatin1(value::RReference)), 1);
}

struct CancelRow {
    const char* name;
    int afterMs; // when the user acts
    std::function<void(TEvaluator&)> act;
};

TEST_F(EvaluatorTest, ALongSumStopsWithinASecondOfCancelOrEsc) {
    const auto progressOf = [](TEvaluator& evaluator) {
        return evaluator.findChild<QProgressDialog*>(QStringLiteral("EvaluationProgress"));
    };
    const CancelRow rows[] = {
        {"the progress's Cancel button", 900,
         [&](TEvaluator& e) {
             ASSERT_NE(progressOf(e), nullptr) << "a long evaluation shows its progress";
             ASSERT_TRUE(progressOf(e)->isVisible());
             progressOf(e)->findChild<QPushButton*>()->click();
         }},
        {"Esc in the progress", 900,
         [&](TEvaluator& e) {
             ASSERT_NE(progressOf(e), nullptr);
             QTest::keyClick(progressOf(e), Qt::Key_Escape);
         }},
        {"Esc before the progress shows", 200,
         [&](TEvaluator& e) {
             EXPECT_EQ(progressOf(e), nullptr) << "no progress before half a second";
             auto* memo = e.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
             memo->moveCursor(QTextCursor::End);
             QTest::keyClicks(memo, "+1");
             EXPECT_FALSE(memo->toPlainText().endsWith(QStringLiteral("+1")))
                 << "the text being evaluated stays";
             QTest::keyClick(&e, Qt::Key_Escape);
             EXPECT_TRUE(e.isVisible()) << "Esc stops the evaluation, not the window";
         }},
    };
    typeInMainWindow("9");
    const std::string entryBefore = window->calculator().state().EntryText;
    for (const CancelRow& row : rows) {
        SCOPED_TRACE(row.name);
        QElapsedTimer sinceCancel;
        QTimer::singleShot(row.afterMs, evaluator.get(), [&] {
            sinceCancel.start();
            row.act(*evaluator);
        });
        QElapsedTimer total;
        total.start();
        evaluate(QStringLiteral("sum(1,1000000000000,i)"));
        ASSERT_TRUE(sinceCancel.isValid());
        EXPECT_LT(sinceCancel.elapsed(), 1000);
        EXPECT_LT(total.elapsed(), 5000);
        ASSERT_FALSE(evaluator->lastDiagnostics().empty());
        EXPECT_EQ(evaluator->lastDiagnostics().back().text, " Evaluation cancelled ");
        EXPECT_EQ(result().trimmed(), QStringLiteral("Evaluation cancelled"));
        EXPECT_EQ(progressOf(*evaluator), nullptr) << "the progress goes with the evaluation";
        EXPECT_EQ(window->calculator().state().EntryText, entryBefore) << "a cancelled evaluation changes nothing";
    }
}

TEST_F(EvaluatorTest, WhileEvaluatingTheTextAndVariablesAreReadOnlyAndCommandsWait) {
    typeInMainWindow("9");
    EXPECT_EQ(evaluate(QStringLiteral("2/3")), QStringLiteral("0,666666666666667"));
    memo()->setFocus();
    startEndlessSum();
    const QString text = memo()->toPlainText();
    EXPECT_TRUE(result().trimmed().isEmpty()) << "the last result is not this text's";

    // Typing, deleting and undoing leave the text; the caret and the selection still move.
    memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo(), "+1");
    for (const auto key : {Qt::Key_Backspace, Qt::Key_Delete})
        QTest::keyClick(memo(), key);
    QTest::keyClick(memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(memo()->toPlainText(), text);
    QTest::keyClick(memo(), Qt::Key_Home);
    EXPECT_EQ(memo()->textCursor().position(), 0);
    QTest::keyClick(memo(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(memo()->textCursor().selectedText(), text);
    QTest::keyClicks(field('A'), "5");
    EXPECT_EQ(field('A')->text(), QStringLiteral("0"));
    EXPECT_TRUE(field('Z')->isReadOnly());

    struct CommandRow {
        const char* name;
        bool waits;
    };
    const CommandRow commands[] = {
        {"Undo1", true},        {"Cut1", true},          {"Paste1", true},        {"Delete1", true},
        {"Preferences2", true}, {"Insert1Action", true}, {"Angels1Action", true}, {"Context1", true},
        {"HomePage1", true},    {"About1", true},        {"sbCut", true},         {"sbPaste", true},
        {"sbDel", true},        {"sbUndo", true},        {"sbHelp", true},        {"bpHelp", true},
        {"rbRad", true},        {"rbCycle", true},       {"HelpKey", true},       {"Copy1", false},
        {"sbCopy", false},      {"Referense1", false},   {"Evaluate1", false},    {"bpClose", false},
    };
    const auto enabled = [&](const char* name) {
        QObject* o = evaluator->findChild<QObject*>(QString::fromLatin1(name));
        if (auto* a = qobject_cast<QAction*>(o)) return a->isEnabled();
        if (auto* w = qobject_cast<QWidget*>(o)) return w->isEnabled();
        if (auto* k = qobject_cast<QShortcut*>(o)) return k->isEnabled();
        ADD_FAILURE() << "no command " << name;
        return false;
    };
    for (const CommandRow& c : commands)
        EXPECT_EQ(enabled(c.name), !c.waits) << c.name << " while evaluating";

    evaluator->bpToCalcClick();
    EXPECT_TRUE(evaluator->isVisible()) << "nothing is sent while evaluating";
    EXPECT_EQ(display().trimmed(), QStringLiteral("9"));

    QTest::keyClick(evaluator.get(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluator->evaluating(); }, 1000));
    for (const CommandRow& c : commands)
        EXPECT_TRUE(enabled(c.name)) << c.name << " after the evaluation";
    EXPECT_FALSE(field('A')->isReadOnly());
    memo()->setFocus();
    memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo(), "+1");
    EXPECT_EQ(memo()->toPlainText(), text + QStringLiteral("+1"));
    evaluator->bpToCalcClick();
    EXPECT_TRUE(evaluator->isVisible()) << "after a cancel there is nothing to send";
    EXPECT_EQ(display().trimmed(), QStringLiteral("9"));
}

TEST_F(EvaluatorTest, AResultAlwaysBelongsToTheTextShown) {
    // The user's report: Enter on a long SUM, then at once 2+2 and Enter again.
    memo()->setPlainText(QStringLiteral("SUM(1,4E7,I)"));
    memo()->setFocus();
    memo()->moveCursor(QTextCursor::End);
    QElapsedTimer sinceEnter;
    sinceEnter.start();
    QTest::keyClick(memo(), Qt::Key_Return);
    ASSERT_TRUE(evaluator->evaluating());
    memo()->selectAll();
    QTest::keyClicks(memo(), "2+2");
    QTest::keyClick(memo(), Qt::Key_Return);
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("SUM(1,4E7,I)"));
    // The second Enter is refused where it can be seen: the progress, with its Cancel, at once.
    ASSERT_NE(progress(), nullptr);
    EXPECT_TRUE(progress()->isVisible());
    EXPECT_LT(sinceEnter.elapsed(), TEvaluator::kProgressDelayMs);
    EXPECT_FALSE(
        progress()->frameGeometry().intersects(QRect(memo()->mapToGlobal(QPoint(0, 0)), memo()->size())))
        << "the text being evaluated stays in sight";
    QTest::keyClick(progress(), Qt::Key_Return); // Enter again, now in the progress: it must not cancel

    ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluator->evaluating(); }, 30000));
    EXPECT_EQ(result().trimmed(), QStringLiteral("800 000 020 000 000"));
    EXPECT_TRUE(evaluator->lastDiagnostics().empty());
    EXPECT_EQ(progress(), nullptr);
    memo()->selectAll();
    QTest::keyClicks(memo(), "2+2");
    QTest::keyClick(memo(), Qt::Key_Return);
    EXPECT_EQ(result().trimmed(), QStringLiteral("4"));
}

struct CloseRow {
    const char* name;
    int afterMs; // 700: the progress is on show
    std::function<void(TEvaluator&)> close;
};

TEST_F(EvaluatorTest, EveryWayOfClosingStopsTheEvaluationForGood) {
    const CloseRow rows[] = {
        {"the Close button", 200,
         [](TEvaluator& e) { e.findChild<QPushButton*>(QStringLiteral("bpClose"))->click(); }},
        {"the title bar's close", 200, [](TEvaluator& e) { e.close(); }},
        {"the Close button beside the progress", 700,
         [](TEvaluator& e) {
             EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the progress blocks nothing";
             e.findChild<QPushButton*>(QStringLiteral("bpClose"))->click();
         }},
        {"Esc, then Esc again", 200,
         [](TEvaluator& e) {
             QTest::keyClick(&e, Qt::Key_Escape);
             EXPECT_TRUE(e.isVisible());
             EXPECT_TRUE(QTest::qWaitFor([&] { return !e.evaluating(); }, 1000));
             QTest::keyClick(&e, Qt::Key_Escape);
         }},
        {"hiding, as a send does", 200, [](TEvaluator& e) { e.hide(); }},
        // Last: it closes the main window too, as quitting does.
        {"closing every window", 700, [](TEvaluator&) { QApplication::closeAllWindows(); }},
    };
    for (const CloseRow& row : rows) {
        SCOPED_TRACE(row.name);
        evaluator->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(evaluator.get()));
        startEndlessSum();
        QTest::qWait(row.afterMs);
        ASSERT_EQ(progress() != nullptr, row.afterMs > TEvaluator::kProgressDelayMs);
        window->errorHint().hideHint();
        row.close(*evaluator);
        EXPECT_FALSE(evaluator->isVisible());
        EXPECT_FALSE(evaluator->evaluating()) << "no worker runs on behind the closed window";
        ASSERT_FALSE(evaluator->lastDiagnostics().empty());
        EXPECT_EQ(evaluator->lastDiagnostics().back().text, " Evaluation cancelled ");
        QTest::qWait(std::max(0, TEvaluator::kProgressDelayMs - row.afterMs) + 200); // past its time
        EXPECT_EQ(progress(), nullptr) << "no progress over nothing";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(window->errorHint().isVisible());
    }
}

// The runner on its own: every evaluation it starts ends in exactly one `finished`.
TEST(EvaluationRunner, ReportsEachEvaluationOnceByItsFinishedSignal) {
    struct Row {
        const char* name;
        const char* text;
        unsigned stackBytes;
        std::function<void(EvaluationRunner&)> act; // after start
        bool cancelled;
        Extended value;
    };
    const Row rows[] = {
        {"awaited briefly", "SUM(1,3,I)*2", EvaluationRunner::kWorkerStackBytes,
         [](EvaluationRunner& r) { EXPECT_TRUE(r.waitFor(5000)); }, false, 12},
        {"reported by the event loop", "6*7", EvaluationRunner::kWorkerStackBytes,
         [](EvaluationRunner& r) { EXPECT_TRUE(QTest::qWaitFor([&] { return !r.running(); }, 5000)); }, false,
         42},
        {"cancelled", "SUM(1,1E12,I)", EvaluationRunner::kWorkerStackBytes,
         [](EvaluationRunner& r) {
             EXPECT_FALSE(r.waitFor(100));
             r.cancel();
             EXPECT_TRUE(QTest::qWaitFor([&] { return !r.running(); }, 1000));
         },
         true, 0},
        {"stopped", "SUM(1,1E12,I)", EvaluationRunner::kWorkerStackBytes,
         [](EvaluationRunner& r) {
             EXPECT_FALSE(r.start("1", {}, AngleMeasure::Radians, {})) << "one at a time";
             r.stop();
             EXPECT_FALSE(r.running());
         },
         true, 0},
        // A stack too small for any thread: the evaluation runs on the caller's, not a silent 0.
        {"no thread can start", "SUM(1,3,I)*2", 1, [](EvaluationRunner& r) { EXPECT_TRUE(r.waitFor(0)); },
         false, 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EvaluationRunner runner(nullptr, row.stackBytes);
        std::vector<Evaluation> reported;
        QObject::connect(&runner, &EvaluationRunner::finished,
                         [&](const Evaluation& e) { reported.push_back(e); });
        ASSERT_TRUE(runner.start(row.text, {}, AngleMeasure::Radians, messagesFor(Language::English)));
        row.act(runner);
        QTest::qWait(50); // a posted report must not come a second time
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_EQ(reported[0].cancelled, row.cancelled);
        EXPECT_EQ(reported[0].value, row.value);
        if (row.cancelled) {
            ASSERT_FALSE(reported[0].diagnostics.empty());
            EXPECT_EQ(reported[0].diagnostics.back().text, " Evaluation cancelled ");
        }
    }

    // Destroyed while running, it waits for its worker and reports nothing.
    QElapsedTimer timer;
    timer.start();
    int reports = 0;
    {
        EvaluationRunner runner;
        QObject::connect(&runner, &EvaluationRunner::finished, [&] { ++reports; });
        runner.start("SUM(1,1E12,I)", {}, AngleMeasure::Radians, {});
        QTest::qWait(50);
    }
    QTest::qWait(50);
    EXPECT_EQ(reports, 0);
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(EvaluatorTest, AngleCaptionsShowWholeInBothLanguages) {
    const auto* strip = child<QWidget>(QStringLiteral("Bevel3"));
    ASSERT_NE(strip, nullptr);
    for (const int language : {1, 0}) {
        evaluator->SetLang(language);
        int previousRight = -1;
        for (const char* name : {"rbRad", "rbDegr", "rbGrad", "rbCycle"}) {
            auto* radio = child<QRadioButton>(QString::fromLatin1(name));
            ASSERT_NE(radio, nullptr);
            const QFontMetrics metrics(radio->font());
            const int needed = radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                               radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio) +
                               metrics.horizontalAdvance(radio->text());
            const QRect box = radio->contentsRect();
            EXPECT_GE(box.width(), needed) << name << " in language " << language << ": '"
                                           << radio->text().toStdString() << "' is cut";
            EXPECT_GE(box.height(), metrics.ascent() + metrics.descent()) << name;
            const QRect placed(radio->mapTo(evaluator.get(), QPoint(0, 0)), radio->size());
            const QRect inside = strip->contentsRect();
            EXPECT_TRUE(QRect(strip->mapTo(evaluator.get(), inside.topLeft()), inside.size()).contains(placed))
                << name << " runs out of its strip";
            EXPECT_GT(placed.left(), previousRight + 1) << name << " touches the caption before it";
            previousRight = placed.right();
        }
    }
}

TEST_F(EvaluatorTest, TheRaisedExponentShowsWholeAndApartFromTheMantissa) {
    auto* mantissa = child<TextPanel>(QStringLiteral("pnEOut3"));
    auto* exponent = child<TextPanel>(QStringLiteral("pnEOut2"));
    const auto* line = child<QWidget>(QStringLiteral("pnResult"));
    ASSERT_TRUE(mantissa && exponent && line);
    // The designed look, then the main display's digit font as opening the window gives it.
    for (const bool displayFont : {false, true}) {
        if (displayFont) evaluator->applyLook(displayLook(*window));
        evaluate(QStringLiteral("1.5E20*1E300"));
        ASSERT_FALSE(resultExponent().isEmpty());
        const QFontMetrics metrics(exponent->font());
        EXPECT_GE(exponent->contentsRect().height(), metrics.ascent() + metrics.descent()) << displayFont;
        EXPECT_GE(exponent->contentsRect().width(), metrics.horizontalAdvance(resultExponent())) << displayFont;
        EXPECT_TRUE(line->contentsRect().contains(exponent->geometry())) << displayFont;

        // The mantissa's rightmost drawn column stays clear of the exponent, a blank column between.
        const QImage drawn = mantissa->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = mantissa->background().rgb();
        int inkRight = -1;
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (drawn.pixel(x, y) != background) inkRight = std::max(inkRight, x);
        ASSERT_GE(inkRight, 0) << "the mantissa draws nothing";
        const int inkRightOnLine = mantissa->x() + inkRight * mantissa->width() / drawn.width();
        EXPECT_GT(exponent->x(), inkRightOnLine + 1) << displayFont;
    }
}

TEST_F(EvaluatorTest, TheStoredLanguageIsTakenAtCreation) {
    store->writeInt(QString::fromLatin1(value::RLang), 1);
    TEvaluator created(window->calculator(), *store, window->errorHint());
    EXPECT_EQ(created.windowTitle(), QStringLiteral("Режим вычисления выражений"));
    EXPECT_EQ(created.findChild<QRadioButton*>(QStringLiteral("rbDegr"))->text(), QStringLiteral("Градус"));
    store->writeInt(QString::fromLatin1(value::RLang), 0);
    TEvaluator english(window->calculator(), *store, window->errorHint());
    EXPECT_EQ(english.windowTitle(), QStringLiteral("Evaluation mode of Orvantis "));
}

TEST_F(EvaluatorTest, RussianTexts) {
    evaluator->SetLang(1);
    EXPECT_EQ(evaluator->windowTitle(), QStringLiteral("Режим вычисления выражений"));
    EXPECT_EQ(child<QAction>(QStringLiteral("Evaluate1"))->text(), QStringLiteral("Вычислить"));
    EXPECT_TRUE(child<QPlainTextEdit>(QStringLiteral("Memo2"))->toPlainText().startsWith(
        QStringLiteral("Функция : SIN(X)\nОписание : синус угла X.")));
    // The result is named by its value, in the language, for a screen reader.
    EXPECT_EQ(evaluate(QStringLiteral("6*7")), QStringLiteral("42"));
    EXPECT_EQ(child<QWidget>(QStringLiteral("pnResult"))->accessibleName(), QStringLiteral("Результат: 42"));
    evaluator->SetLang(7);
    EXPECT_EQ(evaluator->windowTitle(), QStringLiteral("Режим вычисления выражений"));
    evaluator->SetLang(0);
    EXPECT_EQ(evaluator->windowTitle(), QStringLiteral("Evaluation mode of Orvantis "));
    EXPECT_EQ(child<QWidget>(QStringLiteral("pnResult"))->accessibleName(), QStringLiteral("Result: 42"));
    // A raised exponent is read as the display's is, not run into the mantissa's "*10".
    evaluate(QStringLiteral("1.5E20*1"));
    EXPECT_EQ(child<QWidget>(QStringLiteral("pnResult"))->accessibleName(), QStringLiteral("Result: 1,500000000000E+0020"));
    // No result: the line is named by what went wrong, and the send says why it refuses.
    evaluator->SetLang(1);
    evaluate(QStringLiteral("1/0"));
    EXPECT_EQ(child<QWidget>(QStringLiteral("pnResult"))->accessibleName(),
              QStringLiteral("Нет результата: It is impossible to divide into a zero!"));
    evaluator->bpToCalcClick();
    EXPECT_EQ(hint(), QStringLiteral("Нет результата для передачи"));
    evaluate(QStringLiteral("SUM(1,20,ab)"));
    EXPECT_TRUE(hint().endsWith(QStringLiteral("\nAB is wrong name\n… и ещё 13"))) << hint().toStdString();
}

// Presses Tab (or Shift+Tab) from the focused control until the focus is back at `start`, and
// names each control reached, marking with a '!' a variable field left scrolled out of sight.
std::string tabWalk(QWidget* start, bool backwards) {
    QStringList visited;
    for (int step = 0; step < 80; ++step) {
        QWidget* from = QApplication::focusWidget();
        if (!from) return "(focus lost)";
        if (backwards) QTest::keyClick(from, Qt::Key_Backtab, Qt::ShiftModifier);
        else QTest::keyClick(from, Qt::Key_Tab);
        QWidget* to = QApplication::focusWidget();
        if (!to) return "(focus lost)";
        if (to == start) break;
        const bool hidden = qobject_cast<QLineEdit*>(to) && to->visibleRegion().isEmpty();
        if (backwards) visited.prepend(to->objectName() + (hidden ? QStringLiteral("!") : QString()));
        else visited.append(to->objectName() + (hidden ? QStringLiteral("!") : QString()));
    }
    return visited.join(QLatin1Char(' ')).toStdString();
}

TEST_F(EvaluatorTest, TabLeavesTheExpressionAndVisitsEveryControlInReadingOrder) {
    evaluator->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(evaluator.get()));
    child<QAction>(QStringLiteral("Degrees1"))->trigger();
    memo()->setPlainText(QStringLiteral("1+2"));
    memo()->setFocus();
    memo()->moveCursor(QTextCursor::End);

    // Down the left column (angle measure, variables), then the right one (tool bar, result,
    // expression, reference, buttons); the angle group is one stop, at the measure chosen. The
    // variables box scrolls to each field as it takes the focus.
    QStringList expected{"Memo2", "bpEvaluate", "bpClose", "bpHelp", "rbDegr"};
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        expected << QStringLiteral("ed") + QLatin1Char(letter);
    expected << QStringList{"sbCut", "sbCopy", "sbPaste", "sbDel", "sbUndo", "sbRun", "sbExample", "sbHelp"};
    expected << QStringList{"bpToCalc", "pnResult"};
    const std::string order = expected.join(QLatin1Char(' ')).toStdString();

    EXPECT_EQ(tabWalk(memo(), false), order);
    EXPECT_EQ(memo()->toPlainText().toStdString(), "1+2") << "Tab must not type into the expression";
    ASSERT_EQ(QApplication::focusWidget(), memo());
    EXPECT_EQ(tabWalk(memo(), true), order) << "Shift+Tab walks the same way back";
    EXPECT_EQ(QApplication::focusWidget(), memo());
    EXPECT_EQ(memo()->toPlainText().toStdString(), "1+2");
}

TEST_F(EvaluatorTest, EachOpeningStartsInTheExpression) {
    evaluator->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(evaluator.get()));
    field('C')->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field('C'));
    // Closed, back in the main window, then opened again as the main window does it.
    evaluator->hide();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }, 2000));
    evaluator->setExpression(QStringLiteral("7"));
    evaluator->show();
    evaluator->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == memo(); }, 2000));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("*6"));
    EXPECT_EQ(memo()->toPlainText().toStdString(), "7*6") << "typing goes on after the value taken over";
}

TEST_F(EvaluatorTest, ScreenReadersHearWordsInTheChosenLanguage) {
    const auto spokenName = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QString name = QString(QLatin1Char(letter));
        EXPECT_EQ(spokenName(field(letter)), name);
        auto* label = child<QLabel>(QStringLiteral("Label%1").arg(letter - 'A' + 1));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), name);
        EXPECT_EQ(label->buddy(), field(letter)) << letter;
    }

    const char* const tools[] = {"sbCut",   "sbCopy",    "sbPaste", "sbDel",   "sbUndo",
                                 "sbRun",   "sbExample", "sbHelp",  "bpToCalc"};
    for (const int language : {1, 0}) {
        evaluator->SetLang(language);
        QStringList names;
        for (const char* tool : tools) {
            auto* button = child<QToolButton>(QString::fromLatin1(tool));
            ASSERT_NE(button, nullptr);
            const QString name = spokenName(button);
            // Words, not the glyph the button shows.
            EXPECT_GE(std::count_if(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }), 3)
                << tool << " in language " << language << ": '" << name.toStdString() << "'";
            EXPECT_NE(name, button->text()) << tool;
            bool cyrillic = false;
            for (const QChar c : name) cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
            EXPECT_EQ(cyrillic, language == 1) << tool << ": '" << name.toStdString() << "'";
            names << name;
        }
        EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << "each button its own name";
    }
    for (const char* edit : {"Memo1", "Memo2"})
        EXPECT_FALSE(spokenName(child<QWidget>(QString::fromLatin1(edit))).isEmpty()) << edit;
}

} // namespace
} // namespace orv::testing
