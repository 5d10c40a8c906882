// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// What very large inputs, and what a killed run leaves behind, may cost: each row one limit.
#include "evaluator_window.h"
#include "expression.h"
#include "expression_edit.h"
#include "settings_values.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QSysInfo>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace orv::testing {
namespace {

struct LimitRow {
    const char* name;
    qint64 budgetMs; // for the measured step, not for the preparation
    std::function<qint64()> run; // checks the outcome, returns the milliseconds measured
};

qint64 since(const QElapsedTimer& timer) { return timer.elapsed(); }

class LimitsTest : public WindowTest {
protected:
    // A settings save with a lock file of `lockText`, last written `ageSeconds` ago, left where
    // the lock goes.
    qint64 saveBesideLock(const QByteArray& lockText, int ageSeconds) {
        const QString path = dir.filePath(QStringLiteral("locked.conf"));
        QFile lock(path + QStringLiteral(".lock"));
        EXPECT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(lockText);
        lock.flush();
        EXPECT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
        lock.close();
        QElapsedTimer timer;
        timer.start();
        {
            auto store = openSettingsFile(path);
            store->writeInt(value::RLang, 1);
            store->flush();
        }
        const qint64 took = since(timer);
        EXPECT_EQ(openSettingsFile(path)->readInt(value::RLang), 1) << "the save went through";
        return took;
    }
};

TEST_F(LimitsTest, LargeInputsAndLeftoversOfAKilledRunStayWithinTheirBudgets) {
    const std::string megabyteName(1 << 20, 'B');
    const std::string megabyteSum = [] {
        std::string terms;
        while (terms.size() < (1u << 20)) terms += "I*2+";
        return "SUM(1,1E15," + terms + "1)";
    }();
    TEvaluator evaluator(window->calculator(), *store, window->errorHint(), window.get());
    evaluator.show();

    const LimitRow rows[] = {
        {"the diagnostics of a thousand terms quoting a 1 MB name", 3000,
         [&] {
             ExpressionVariables variables{};
             QElapsedTimer timer;
             timer.start();
             const Evaluation e = EvaluateExpression("SUM(1,1000," + megabyteName + ")", variables);
             const qint64 took = since(timer);
             std::size_t bytes = 0;
             for (const Diagnostic& d : e.diagnostics) bytes += d.text.size();
             EXPECT_EQ(e.diagnostics.size(), 1000u);
             EXPECT_LE(bytes, 1000u * 100) << "each diagnostic quotes a bounded part of the name";
             return took;
         }},
        {"cancelling a SUM over a 1 MB summand", 100,
         [&] {
             ExpressionVariables variables{};
             std::atomic<bool> stop{false};
             EvaluationSettings settings;
             settings.cancel = [&](std::uint64_t) { return stop.load(); };
             QElapsedTimer timer;
             Evaluation e;
             std::thread worker([&] { e = EvaluateExpression(megabyteSum, variables, settings); });
             std::this_thread::sleep_for(std::chrono::milliseconds(300));
             timer.start();
             stop = true;
             worker.join();
             const qint64 took = since(timer);
             EXPECT_TRUE(e.cancelled);
             return took;
         }},
        {"pasting a 1 MB expression and showing it", 1000,
         [&] {
             std::string expression;
             for (int i = 0; expression.size() < (1u << 20); ++i) expression += std::to_string(i % 97) + "+";
             expression += "0";
             QApplication::clipboard()->setText(QString::fromStdString(expression));
             auto* memo = evaluator.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
             memo->clear();
             QElapsedTimer timer;
             timer.start();
             memo->paste();
             memo->repaint();
             QApplication::processEvents();
             QTest::keyClicks(memo, "+1"); // the field answers typing at once after it
             memo->repaint();
             const qint64 took = since(timer);
             EXPECT_EQ(memo->toPlainText().remove(QLatin1Char('\n')).toStdString(), expression + "+1");
             ExpressionVariables variables{};
             const Extended expected = EvaluateExpression(expression + "+1", variables).value;
             evaluator.bpEvaluateClick();
             EXPECT_TRUE(evaluator.lastDiagnostics().empty());
             EXPECT_EQ(QString::fromStdString(window->calculator().resultDisplayText(expected)).trimmed(),
                       evaluator.findChild<TextPanel*>(QStringLiteral("pnEOut3"))->text().trimmed())
                 << "the field evaluates what the command line does";
             return took;
         }},
        // A killed run leaves its lock behind: it is recognised at once, and even a lock written
        // a moment ago by nobody who can be asked holds a save up for less than a second.
        {"saving beside an empty lock file of a killed run", 100, [&] { return saveBesideLock({}, 60); }},
        {"saving beside an empty lock file written just now", 1000, [&] { return saveBesideLock({}, 0); }},
        {"saving beside a lock from another host", 1000,
         [&] { return saveBesideLock("4242\norvantis\nsome-other-host\n", 0); }},
    };
    for (const LimitRow& row : rows) {
        SCOPED_TRACE(row.name);
        const qint64 took = row.run();
        RecordProperty(row.name, std::to_string(took) + " ms");
        EXPECT_LT(took, row.budgetMs) << row.name << " took " << took << " ms";
    }
}

struct BreakRow {
    const char* name;
    QString text;
    qsizetype length;
    QString broken;
};

TEST(ExpressionEdit, BreaksOnlyLongLinesAndNeverInsideACharacter) {
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    const BreakRow rows[] = {
        {"short lines stay", QStringLiteral("12\n345"), 3, QStringLiteral("12\n345")},
        {"a long line is cut into pieces", QStringLiteral("1234567"), 3, QStringLiteral("123\n456\n7")},
        {"each line counts on its own", QStringLiteral("12\n12345"), 3, QStringLiteral("12\n123\n45")},
        {"a character of two units stays whole", QStringLiteral("12") + clef + QStringLiteral("45"), 3,
         QStringLiteral("12") + clef + QStringLiteral("\n45")},
    };
    for (const BreakRow& row : rows) {
        EXPECT_EQ(withLongLinesBroken(row.text, row.length), row.broken) << row.name;
        EXPECT_EQ(withLongLinesBroken(row.text, row.length).remove(QLatin1Char('\n')),
                  QString(row.text).remove(QLatin1Char('\n')))
            << row.name;
    }
}

} // namespace
} // namespace orv::testing
