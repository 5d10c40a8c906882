// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The tape: its window on Ctrl+H, a line's result used again, the file that keeps it between
// runs, and a file that cannot be kept.
#include "window_fixture.h"

#include "error_hint_window.h"
#include "evaluator_window.h"
#include "preferences_window.h"
#include "settings_values.h"
#include "tape_dock.h"
#include "tape_keeper.h"
#include "tape_line.h"
#include "tape_model.h"
#include "tape_texts.h"
#include "tape_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QClipboard>
#include <QListView>
#include <QPushButton>

#include <cerrno>
#include <cstring>

namespace orv::testing {
namespace {

class TapeTest : public WindowTest {
  public:
    // Lines the tape file holds before the window starts.
    QStringList seed;
    bool fileIsFolder = false;

    void prepareStore(SettingsStore&) override {
        if (fileIsFolder) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("tape.txt")));
        }
        if (seed.isEmpty()) return;
        QFile file(tapePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((seed.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }

    QString tapePath() const { return dir.filePath(QStringLiteral("tape.txt")); }
    // The file as it stands once the tape's file work is done, each line whole with its result.
    QStringList fileRecords() const {
        if (window) window->tape().settleWithFile();
        QFile file(tapePath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }
    // The lines as the window shows them: without their result column.
    QStringList fileLines() const {
        QStringList lines = fileRecords();
        for (QString& line : lines) line = line.section(QLatin1Char('\t'), 0, 0);
        return lines;
    }
    void write(const char* line, std::optional<Extended> result = std::nullopt) {
        window->tape().writeTapeStep(writtenTapeLine(line, result));
    }

    TapeWindow* openTape() {
        window->activateWindow(); // Ctrl+H is the calculator's key
        EXPECT_TRUE(mainWindowActive());
        type("^H");
        TapeWindow* tape = window->tapeWindow();
        EXPECT_NE(tape, nullptr);
        if (tape) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(tape));
        }
        return tape;
    }
    QListView* view() const { return window->tapeWindow()->view(); }
    QStringList shownLines() const {
        window->tape().settleWithFile();
        QStringList lines;
        for (int row = 0; row < view()->model()->rowCount(); ++row) lines << view()->model()->index(row, 0).data().toString();
        return lines;
    }
    QString currentLine() const { return view()->currentIndex().data().toString(); }
    void restart() {
        window->close();
        window.reset();
        openWindow();
    }
    // The worker's file work done, and what it reported taken in by the window.
    void finishFileWork() {
        window->tape().settleWithFile();
        QCoreApplication::processEvents();
    }
    bool mainWindowActive() const { return QTest::qWaitForWindowActive(window.get(), 1000); }
};

QStringList numbered(int first, int last) {
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines << QStringLiteral("%1 + 0 = %1").arg(n);
    return lines;
}

TEST_F(TapeTest, EachLineReachesTheFileAtOnceAndTheNextRunShowsIt) {
    EXPECT_FALSE(QFile::exists(tapePath())) << "starting writes no tape";
    write("2 + 3 = 5");
    EXPECT_EQ(fileLines(), QStringList{"2 + 3 = 5"}) << "before the tape was ever shown";
    write("7 ÷ 0: It is impossible to divide by zero");
    EXPECT_EQ(fileLines().size(), 2);
    EXPECT_EQ(fileLines().back(), QString::fromUtf8("7 ÷ 0: It is impossible to divide by zero"));

    restart();
    openTape();
    EXPECT_EQ(shownLines(), fileLines());
    write("√9 = 3");
    EXPECT_EQ(shownLines().back(), QString::fromUtf8("√9 = 3"));
    EXPECT_EQ(fileLines(), shownLines());
}

// The file runs a margin past the kept lines before it is cut back to them, in one rename.
TEST_F(TapeTest, TheFileKeepsTheLastLinesAndIsCutBackRarelyAndWhole) {
    constexpr int kKept = int(TapeKeeper::kKeptLines);
    constexpr int kFull = kKept + int(TapeFile::lineMargin(TapeKeeper::kKeptLines));
    struct Row {
        const char* name;
        int seeded;
        int fileLinesAfter; // after one more line
        int firstInFile;
    };
    const Row rows[] = {
        {"within the margin: only appended", kKept + 500, kKept + 501, 1},
        {"at the margin: still appended", kFull - 1, kFull, 1},
        {"past the margin: cut back to the kept lines", kFull, kKept, kFull - kKept + 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        window.reset();
        QFile::remove(tapePath());
        seed = numbered(1, row.seeded);
        prepareStore(*store);
        openWindow();
        write("last = 1");
        const QStringList lines = fileLines();
        ASSERT_EQ(lines.size(), row.fileLinesAfter);
        EXPECT_EQ(lines.front(), QStringLiteral("%1 + 0 = %1").arg(row.firstInFile));
        EXPECT_EQ(lines.back(), "last = 1");
        // Nothing left beside it: the cut was written aside and renamed over the file.
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("tape*")}, QDir::Files),
                  QStringList{"tape.txt"});
        // The window shows the kept lines however long the file has grown.
        openTape();
        EXPECT_EQ(view()->model()->rowCount(), kKept);
        EXPECT_EQ(shownLines().back(), "last = 1");
    }
}

struct UseRow {
    const char* name;
    const char* line;
    std::optional<Extended> result;
    const char* before; // typed in the main window before the tape is opened
    bool doubleClick;   // else Enter
    const char* after;  // typed in the main window after
    const char* display;
};

class TapeUseTest : public TapeTest, public ::testing::WithParamInterface<UseRow> {};

TEST_P(TapeUseTest, ALinesResultBecomesTheOperand) {
    const UseRow& row = GetParam();
    write("1 + 1 = 2");
    write(row.line, row.result);
    write("9 × 9 = 81", 81);
    type(row.before);
    TapeWindow* tape = openTape();
    ASSERT_NE(tape, nullptr);
    EXPECT_EQ(currentLine(), "9 × 9 = 81") << "opened on the last line";
    QTest::keyClick(view(), Qt::Key_Up);
    ASSERT_EQ(currentLine(), QString::fromUtf8(row.line));
    if (row.doubleClick) {
        QCoreApplication::processEvents(); // the rows laid out
        const QRect line = view()->visualRect(view()->currentIndex());
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, line.topLeft() + QPoint(8, line.height() / 2));
    } else {
        QTest::keyClick(view(), Qt::Key_Return);
    }
    if (row.result) {
        EXPECT_TRUE(mainWindowActive()) << "typing goes on in the calculator";
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
        expectKeyboardOnDisplay("on the display, where the result is read, not on a key");
        EXPECT_TRUE(tape->isVisible());
    } else {
        EXPECT_EQ(QApplication::activeWindow(), tape) << "a line without a result changes nothing";
        window->activateWindow();
        ASSERT_TRUE(mainWindowActive());
    }
    type(row.after);
    EXPECT_EQ(display().trimmed(), QString::fromUtf8(row.display));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TapeUseTest,
    ::testing::Values(UseRow{"enterAlone", "2 + 3 = 5", 5, "", false, "", "5"},
                      UseRow{"enterAsTheRightOperand", "2 + 3 = 5", 5, "2+", false, "=", "7"},
                      UseRow{"doubleClickAsTheRightOperand", "sin 30° = 0,5", 0.5L, "2+", true, "=", "2,5"},
                      UseRow{"unitAfterTheResult", "1,5 Kilometer = 1500 Meter", 1500, "", false, "", "1 500"},
                      UseRow{"angleSignAfterTheResult", "arcsin 1 = 90°", 90, "", true, "", "90"},
                      // The result is the step's own number, not the 15 digits the line shows.
                      UseRow{"wholeResult", "1 ÷ 3 = 0,333333333333333", 1.0L / 3, "", false, "*3=", "1"},
                      UseRow{"failureDoesNothing", "7 ÷ 0: It is impossible to divide by zero", std::nullopt, "4",
                             false, "", "4"},
                      UseRow{"failureWithAnEqualsSign", "IF(A = 7, 1, 2): Expected ')' in position 9", std::nullopt,
                             "4", true, "", "4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TapeTest, CtrlHOpensItBesideAndCtrlHOrEscClosesItBackToTheCalculator) {
    write("2 + 3 = 5");
    const QColor digits = find("pnOut3")->palette().color(QPalette::WindowText);
    type("7/0="); // the display red with a failure when the tape first opens
    const QSize mainSize = window->size();
    TapeWindow* tape = openTape();
    ASSERT_NE(tape, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), view());
    EXPECT_EQ(view()->palette().color(QPalette::Text), digits) << "the display's own colour, not a failure's";
    EXPECT_EQ(window->size(), mainSize);
    EXPECT_EQ(tape->frameGeometry().left(), window->frameGeometry().right() + 1) << "against its right edge";
    EXPECT_EQ(tape->frameGeometry().top(), window->frameGeometry().top());
    EXPECT_EQ(bool(tape->windowFlags() & Qt::WindowStaysOnTopHint), window->settings().StayOnTop);

    // A line made while the calculator has the keyboard leaves it there.
    window->activateWindow();
    ASSERT_TRUE(mainWindowActive());
    type("4*5=");
    write("4 × 5 = 20");
    EXPECT_EQ(QApplication::activeWindow(), window.get());
    EXPECT_EQ(shownLines().back(), "4 × 5 = 20");
    // Ctrl+H from the calculator takes the keyboard to the open tape, on the newest line.
    type("^H");
    ASSERT_TRUE(QTest::qWaitForWindowActive(tape));
    EXPECT_EQ(currentLine(), "4 × 5 = 20");

    QTest::keyClick(view(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(tape->isVisible());
    EXPECT_TRUE(mainWindowActive());

    window->findChild<QAction*>(QStringLiteral("miTape"))->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tape));
    // Where the user leaves it is where it comes back, in the next run too.
    const QRect moved(tape->geometry().topLeft() + QPoint(30, 40), QSize(260, 180));
    tape->setGeometry(moved);
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(tape->isVisible());
    EXPECT_TRUE(mainWindowActive());
    restart();
    ASSERT_NE(openTape(), nullptr);
    EXPECT_EQ(window->tapeWindow()->geometry(), moved);
    EXPECT_FALSE(window->tapeWindow()->docked()) << "moved away by the user";
}

// Docked, the tape follows the calculator as panels widen it, and comes back with it.
// Ctrl with the key of H under a Russian layout alone, as the platform reports it: the Cyrillic
// letter of the key, with the key's code.
void pressCtrlKeyOfH(QObject* receiver) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key(0x420), Qt::ControlModifier, 43, 0, 0, QStringLiteral("\u0440"));
    QCoreApplication::sendEvent(receiver, &press);
}

TEST_F(TapeTest, UnderARussianLayoutCtrlAndTheKeyOfHOpenItToo) {
    window->activateWindow();
    ASSERT_TRUE(mainWindowActive());
    pressCtrlKeyOfH(handle());
    ASSERT_NE(window->tapeWindow(), nullptr);
    EXPECT_TRUE(window->tapeWindow()->isVisible());
}

TEST_F(TapeTest, DockedItStaysFlushBesideTheCalculatorAndReopens) {
    TapeWindow* tape = openTape();
    ASSERT_NE(tape, nullptr);
    const auto flush = [&] {
        const QRect main = window->frameGeometry();
        const QRect side = tape->frameGeometry();
        return side.top() == main.top() && (side.left() == main.right() + 1 || side.right() + 1 == main.left());
    };
    ASSERT_TRUE(tape->docked());
    EXPECT_TRUE(flush());
    window->activateWindow();
    ASSERT_TRUE(mainWindowActive());
    for (const char* key : {"F5", "F7", "F6", "F5", "F7", "F6"}) {
        type(key);
        EXPECT_TRUE(flush()) << key;
        EXPECT_FALSE(tape->frameGeometry().intersects(window->frameGeometry())) << key;
    }
    restart(); // it was open at the end
    ASSERT_NE(window->tapeWindow(), nullptr);
    EXPECT_TRUE(window->tapeWindow()->isVisible());
    EXPECT_TRUE(window->tapeWindow()->docked());
    EXPECT_NE(QApplication::activeWindow(), window->tapeWindow()) << "the keyboard stays with the calculator";
}

TEST(TapeDock, TheTapeStandsOnTheSideWithRoom) {
    const QRect screen(0, 0, 1280, 800);
    const struct {
        QRect main;
        QPoint expected;
    } rows[] = {
        {{400, 300, 240, 220}, {640, 300}},  // room on the right
        {{900, 300, 240, 220}, {598, 300}},  // none on the right: the left
        {{100, 50, 1100, 220}, {1200, 50}},  // none on either side: the right, off the screen
    };
    for (const auto& row : rows) EXPECT_EQ(dockedTapePosition(row.main, QSize(302, 225), screen), row.expected) << row.main.x();
}

TEST_F(TapeTest, AFileThatCannotBeWrittenStopsNothingAndIsReportedOnce) {
    window.reset();
    fileIsFolder = true; // no one can append to a folder, not even root
    prepareStore(*store);
    openWindow();

    write("2 + 3 = 5");
    finishFileWork();
    ASSERT_TRUE(window->errorHint().isVisible()) << "said under the display";
    EXPECT_TRUE(window->errorHint().text().contains(QDir::toNativeSeparators(tapePath())));
    window->errorHint().hideHint();
    write("4 × 5 = 20");
    finishFileWork();
    EXPECT_FALSE(window->errorHint().isVisible()) << "said once";

    openTape();
    EXPECT_EQ(shownLines(), (QStringList{"2 + 3 = 5", "4 × 5 = 20"})) << "kept in memory";
    const auto* message = window->tapeWindow()->findChild<QLabel*>(QStringLiteral("lbTapeMessage"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    // To a screen reader: a window, and in it an alert that says what it shows.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->tapeWindow())->role(), QAccessible::Window);
    QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(message));
    EXPECT_EQ(banner->role(), QAccessible::AlertMessage);
    EXPECT_EQ(banner->text(QAccessible::Name), message->text());
    const QString english = message->text();
    window->SetLang(1);
    EXPECT_NE(message->text(), english);
    EXPECT_TRUE(message->text().contains(QDir::toNativeSeparators(tapePath())));

    type("6*7=");
    EXPECT_EQ(display().trimmed(), "42");
    window->tapeWindow()->findChild<QAction*>(QStringLiteral("miTapeClear"))->trigger();
    EXPECT_FALSE(message->isVisible()) << "said, and gone with what it spoke of";
}

TEST_F(TapeTest, KeepingTurnedOffRemovesTheFileAndTheTapeGoesOnInMemory) {
    write("2 + 3 = 5");
    finishFileWork();
    ASSERT_TRUE(QFile::exists(tapePath()));
    TPreForm prefs(*store, *window, window.get());
    QObject::connect(&prefs, &TPreForm::applied, window.get(), &TCalculator::applyPreferences);
    prefs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&prefs));
    auto* keep = prefs.findChild<QCheckBox*>(QStringLiteral("cbKeepTape"));
    ASSERT_NE(keep, nullptr);
    EXPECT_TRUE(keep->isChecked()) << "on by default";
    QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(6, keep->height() / 2));
    QTest::mouseClick(prefs.findChild<QPushButton*>(QStringLiteral("bbApply")), Qt::LeftButton);
    EXPECT_EQ(store->readInt(value::RKeepTape), 0);
    finishFileWork();
    EXPECT_FALSE(QFile::exists(tapePath()));
    write("4 × 5 = 20");
    finishFileWork();
    EXPECT_FALSE(QFile::exists(tapePath()));
    prefs.close();

    openTape();
    EXPECT_EQ(shownLines(), (QStringList{"2 + 3 = 5", "4 × 5 = 20"}));
    // Turned on again, the tape as shown becomes the file.
    Settings on = window->settings();
    on.KeepTape = true;
    window->applyPreferences(on);
    EXPECT_EQ(fileLines(), shownLines());
}

TEST_F(TapeTest, SaveAsWritesTheLinesWithoutResultsOrSaysWhyNot) {
    seed = QStringList{"1 + 1 = 2\t2"};
    window.reset();
    prepareStore(*store);
    openWindow();
    write("2 + 3 = 5", 5);
    write("7 ÷ 0: It is impossible to divide into a zero!");
    TapeWindow* tape = openTape();
    ASSERT_NE(tape, nullptr);
    const auto* message = tape->findChild<QLabel*>(QStringLiteral("lbTapeMessage"));
    ASSERT_NE(message, nullptr);

    const QString nowhere = dir.filePath(QStringLiteral("missing/saved.txt"));
    EXPECT_FALSE(tape->saveTo(nowhere));
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains(QDir::toNativeSeparators(nowhere)));
    EXPECT_TRUE(message->text().contains(QString::fromLocal8Bit(std::strerror(ENOENT)))) << "the system's reason";

    const QString saved = dir.filePath(QStringLiteral("saved.txt"));
    ASSERT_TRUE(tape->saveTo(saved));
    EXPECT_FALSE(message->isVisible()) << "the earlier failure is past";
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("1 + 1 = 2\n2 + 3 = 5\n7 ÷ 0: It is impossible to divide into a zero!\n"))
        << "the file's lines first, the text only";
}

TEST_F(TapeTest, ClearingCanBeTakenBackUntilTheProgramEnds) {
    write("2 + 3 = 5");
    write("4 × 5 = 20");
    TapeWindow* tape = openTape();
    ASSERT_NE(tape, nullptr);
    tape->findChild<QAction*>(QStringLiteral("miTapeClear"))->trigger();
    EXPECT_TRUE(fileLines().isEmpty());
    write("1 + 1 = 2");
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    const QStringList all{"2 + 3 = 5", "4 × 5 = 20", "1 + 1 = 2"};
    EXPECT_EQ(shownLines(), all);
    EXPECT_EQ(fileLines(), all);
    restart();
    EXPECT_EQ(fileLines(), all);
}

TEST_F(TapeTest, TheEvaluatorWritesWhatItEvaluatedButNotWhatWasCancelled) {
    TEvaluator evaluator(window->calculator(), *store, window->errorHint(), window.get());
    evaluator.setExpression(QStringLiteral("2+3*4"));
    evaluator.bpEvaluateClick();
    evaluator.setExpression(QStringLiteral("SUM(1,1E12,I)"));
    evaluator.show();
    evaluator.bpEvaluateClick();
    evaluator.hide(); // cancels it
    ASSERT_FALSE(evaluator.evaluating());
    EXPECT_EQ(fileRecords(), QStringList{"2+3*4 = 14\t14"}) << "the result beside the line";
    // A failure is written as the failure, by its cause, and not as a value.
    for (const char* text : {"2^10", "3*2+IF(3>1;10;20)"}) {
        evaluator.setExpression(QString::fromLatin1(text));
        evaluator.bpEvaluateClick();
    }
    EXPECT_EQ(fileLines().mid(1), QStringList({"2^10: Text after the expression in position 2",
                                               "3*2+IF(3>1;10;20): Expected ',' in position 11"}));
    // However long the expression, its line keeps to a readable length, and its result.
    evaluator.setExpression(QStringLiteral("1+").repeated(1000) + QLatin1Char('0'));
    evaluator.bpEvaluateClick();
    EXPECT_EQ(fileLines().back(), QStringLiteral("1+").repeated(500) + QStringLiteral("… = 1000"));
    // An angle function's measure, in the language in use, is never cut off with the expression.
    window->SetLang(1);
    evaluator.setAngleMeasure(AngleMeasure::Degrees);
    const QString sine = QStringLiteral("SIN(30)") + QStringLiteral("+0").repeated(1000);
    evaluator.setExpression(sine);
    evaluator.bpEvaluateClick();
    EXPECT_EQ(fileLines().back(), sine.left(1000) + QStringLiteral("… = 0,5 (градусы)"));
}

// A line of a megabyte (a file edited elsewhere) is shown by its start; Copy and Enter have it all.
TEST_F(TapeTest, ALongLineIsShownCutAndUsedWhole) {
    const QString digits = QString(1 << 20, QLatin1Char('7'));
    window.reset();
    seed = QStringList{QStringLiteral("1 + 1 = 2\t2"), digits + QStringLiteral(" = 7\t7"), QStringLiteral("note")};
    prepareStore(*store);
    openWindow();
    ASSERT_NE(openTape(), nullptr);
    window->tape().settleWithFile();
    QTest::keyClick(view(), Qt::Key_Up);
    const QString shown = currentLine();
    EXPECT_EQ(shown.size(), qsizetype(TapeModel::kShownCharacters) + 1);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("7\u2026") + QString(int(TapeModel::kShownEnd) - 4, QLatin1Char('7')) +
                               QStringLiteral(" = 7")))
        << "its start and its end, where the result is";
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), digits + QStringLiteral(" = 7"));
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(display().trimmed(), "7");
}

TEST_F(TapeTest, ItsTextsFollowTheLanguage) {
    TapeWindow* tape = openTape();
    ASSERT_NE(tape, nullptr);
    for (const LanguageText& row : tapeTexts())
        EXPECT_TRUE(tape->objectName() == QLatin1String(row.control) ||
                    tape->findChild<QObject*>(QString::fromLatin1(row.control)))
            << row.control;
    auto* item = window->findChild<QAction*>(QStringLiteral("miTape"));
    EXPECT_EQ(tape->windowTitle(), "Tape");
    EXPECT_EQ(view()->accessibleName(), "Tape");
    EXPECT_FALSE(view()->accessibleDescription().isEmpty());
    window->SetLang(1);
    EXPECT_EQ(tape->windowTitle(), "Лента");
    EXPECT_EQ(view()->accessibleName(), "Лента");
    EXPECT_EQ(item->text(), "&Лента");
    EXPECT_EQ(tape->findChild<QAction*>(QStringLiteral("miTapeClear"))->text(), "Очистить &ленту");
}

} // namespace
} // namespace orv::testing
