// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_window.h"

#include "calculator.h"
#include "colour.h"
#include "error_hint_window.h"
#include "settings_store.h"
#include "settings_values.h"
#include "tape_keeper.h"
#include "tape_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orv {
namespace {

QAction* menuItem(QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut); // shown in the menu; the text field acts on the key itself
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

} // namespace

TapeWindow::TapeWindow(TapeKeeper& keeper, Calculator& calculator, SettingsStore& store, QWidget& mainWindow)
    : QWidget(&mainWindow, Qt::Window), keeper_(keeper), calculator_(calculator), store_(store),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TapeWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    memTape = new QPlainTextEdit(this);
    memTape->setObjectName(QStringLiteral("memTape"));
    memTape->setReadOnly(true);
    // Read-only, yet with a caret the arrow keys move (and a screen reader follows).
    memTape->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memTape->setUndoRedoEnabled(false);
    memTape->setMaximumBlockCount(int(TapeKeeper::kKeptLines));
    memTape->setTabChangesFocus(true);
    memTape->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memTape, &QWidget::customContextMenuRequested, this, &TapeWindow::showMenu);
    memTape->installEventFilter(this);
    memTape->viewport()->installEventFilter(this);
    layout->addWidget(memTape);

    // What the tape's file is failing at, in the error hint's colours.
    lbTapeMessage = new QLabel(this);
    lbTapeMessage->setObjectName(QStringLiteral("lbTapeMessage"));
    lbTapeMessage->setWordWrap(true);
    lbTapeMessage->setMargin(4);
    lbTapeMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbTapeMessage->setAutoFillBackground(true);
    QPalette orange = lbTapeMessage->palette();
    orange.setColor(QPalette::Window, colorFromColorRef(TErrorHintWindow::kBackground));
    orange.setColor(QPalette::WindowText, Qt::black);
    lbTapeMessage->setPalette(orange);
    lbTapeMessage->hide();
    layout->addWidget(lbTapeMessage);

    buildMenu();
    // Ctrl+H here closes what Ctrl+H opened; Esc does too (in the key filter).
    auto* tapeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    tapeKey->setObjectName(QStringLiteral("TapeKey"));
    connect(tapeKey, &QShortcut::activated, this, &QWidget::close);

    memTape->setPlainText(keeper_.lines().join(QLatin1Char('\n')));
    keeper_.onLine = [this](const QString& line) { appendLine(line); };
    SetLang(0);
}

TapeWindow::~TapeWindow() {
    keeper_.onLine = nullptr;
}

void TapeWindow::buildMenu() {
    pmTape = new QMenu(this);
    pmTape->setObjectName(QStringLiteral("pmTape"));
    miTapeCopy = menuItem(pmTape, "miTapeCopy", QKeySequence::Copy);
    miTapeCopyResult = menuItem(pmTape, "miTapeCopyResult");
    miTapeUseResult = menuItem(pmTape, "miTapeUseResult", QKeySequence(Qt::Key_Enter));
    pmTape->addSeparator();
    miTapeSelectAll = menuItem(pmTape, "miTapeSelectAll", QKeySequence::SelectAll);
    miTapeSaveAs = menuItem(pmTape, "miTapeSaveAs", QKeySequence::Save);
    // Saving is the window's own key, not the text field's.
    miTapeSaveAs->setShortcutContext(Qt::WindowShortcut);
    addAction(miTapeSaveAs);
    pmTape->addSeparator();
    miTapeClear = menuItem(pmTape, "miTapeClear");
    miTapeUndoClear = menuItem(pmTape, "miTapeUndoClear", QKeySequence::Undo);
    // The text field is read-only, so the key is the window's.
    miTapeUndoClear->setShortcutContext(Qt::WindowShortcut);
    addAction(miTapeUndoClear);

    connect(miTapeCopy, &QAction::triggered, memTape, &QPlainTextEdit::copy);
    connect(miTapeCopyResult, &QAction::triggered, this, &TapeWindow::copyResult);
    connect(miTapeUseResult, &QAction::triggered, this, [this] { useLine(currentLine()); });
    connect(miTapeSelectAll, &QAction::triggered, memTape, &QPlainTextEdit::selectAll);
    connect(miTapeSaveAs, &QAction::triggered, this, &TapeWindow::saveAs);
    connect(miTapeClear, &QAction::triggered, this, &TapeWindow::clearTape);
    connect(miTapeUndoClear, &QAction::triggered, this, &TapeWindow::restoreClearedTape);
}

void TapeWindow::open() {
    if (!placed_) {
        const auto left = store_.readInt(QString::fromLatin1(value::RTapeLeft));
        const auto top = store_.readInt(QString::fromLatin1(value::RTapeTop));
        const auto width = store_.readInt(QString::fromLatin1(value::RTapeWidth));
        const auto height = store_.readInt(QString::fromLatin1(value::RTapeHeight));
        const bool stored = left && top && width && height && *width > 0 && *height > 0;
        const QRect where = stored ? QRect(*left, *top, *width, *height) : QRect();
        // Where it was left, unless that screen is gone.
        if (stored && QGuiApplication::screenAt(where.center()))
            setGeometry(where);
        else
            placeBesideMainWindow();
        placed_ = true;
    }
    showTrouble();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    memTape->setFocus(Qt::ActiveWindowFocusReason);
    moveToLastLine();
}

void TapeWindow::placeBesideMainWindow() {
    const QRect frame = mainWindow_.frameGeometry();
    resize(kDefaultWidth, std::max(mainWindow_.height(), kMinDefaultHeight));
    // This window's frame is not known before it is shown; the main window's stands for it.
    const int outerWidth = width() + frame.width() - mainWindow_.width();
    QPoint topLeft(frame.right() + 1, frame.top());
    // No room on the right: against the left edge instead.
    if (const QScreen* screen = mainWindow_.screen();
        screen && topLeft.x() + outerWidth > screen->availableGeometry().right() + 1)
        topLeft.setX(std::max(screen->availableGeometry().left(), frame.left() - outerWidth));
    move(topLeft);
}

void TapeWindow::rememberGeometry() {
    if (!placed_) return;
    const QRect where = geometry();
    store_.writeInt(QString::fromLatin1(value::RTapeLeft), where.x());
    store_.writeInt(QString::fromLatin1(value::RTapeTop), where.y());
    store_.writeInt(QString::fromLatin1(value::RTapeWidth), where.width());
    store_.writeInt(QString::fromLatin1(value::RTapeHeight), where.height());
}

void TapeWindow::hideEvent(QHideEvent* event) {
    rememberGeometry();
    QWidget::hideEvent(event);
}

void TapeWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    returnToMainWindow();
}

void TapeWindow::returnToMainWindow() {
    mainWindow_.raise();
    mainWindow_.activateWindow();
}

void TapeWindow::SetLang(int language) {
    if (language != 0 && language != 1) return;
    language_ = language;
    applyLanguage(this, tapeTexts(), language);
    showTrouble();
}

void TapeWindow::applyLook(const QFont& digits, const QColor& text, const QColor& background) {
    // The display's face, size and colours; regular weight, as a page of lines reads better so.
    QFont font = memTape->font();
    font.setFamily(digits.family());
    font.setStyleHint(QFont::SansSerif);
    if (digits.pointSize() > 0) font.setPointSize(digits.pointSize());
    memTape->setFont(font);
    QPalette palette = memTape->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    memTape->setPalette(palette);
}

void TapeWindow::showTrouble() {
    const TapeKeeper::Trouble trouble = keeper_.trouble();
    if (trouble == TapeKeeper::Trouble::None) {
        lbTapeMessage->clear();
        lbTapeMessage->hide();
        return;
    }
    showMessage(tapeTroubleText(trouble, QDir::toNativeSeparators(keeper_.filePath()),
                                keeper_.troubleDetail(), language_));
}

void TapeWindow::showMessage(const QString& text) {
    lbTapeMessage->setText(text);
    lbTapeMessage->show();
}

void TapeWindow::appendLine(const QString& line) {
    // A caret left on the last line stays on the last line, so Enter takes the newest result.
    const QTextCursor cursor = memTape->textCursor();
    const bool following = !cursor.hasSelection() && cursor.block() == memTape->document()->lastBlock();
    memTape->appendPlainText(line);
    if (following) moveToLastLine();
}

void TapeWindow::moveToLastLine() {
    memTape->setTextCursor(QTextCursor(memTape->document()->lastBlock()));
    memTape->ensureCursorVisible();
}

QString TapeWindow::currentLine() const {
    return memTape->textCursor().block().text();
}

bool TapeWindow::useLine(const QString& line) {
    const auto value = tapeLineResult(line.toStdString(), calculator_.separators());
    if (!value) {
        QApplication::beep(); // a failed step states no result
        return false;
    }
    calculator_.loadOperand(*value);
    returnToMainWindow(); // typing goes on in the calculator
    return true;
}

void TapeWindow::copyResult() {
    const auto value = tapeLineResult(currentLine().toStdString(), calculator_.separators());
    if (!value) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(calculator_.tapeNumber(*value)));
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memTape && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            useLine(currentLine());
            return true;
        }
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
    } else if (watched == memTape->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const QTextCursor cursor = memTape->cursorForPosition(at);
        QTextCursor lineEnd = cursor;
        lineEnd.movePosition(QTextCursor::EndOfBlock);
        // Below the last line there is no line to use.
        if (mouse->button() == Qt::LeftButton && at.y() <= memTape->cursorRect(lineEnd).bottom()) {
            memTape->setTextCursor(cursor);
            useLine(cursor.block().text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TapeWindow::showMenu(const QPoint& position) {
    // The line clicked is the one the menu acts on, unless a selection is being copied.
    if (!memTape->textCursor().hasSelection()) memTape->setTextCursor(memTape->cursorForPosition(position));
    const bool result = tapeLineResult(currentLine().toStdString(), calculator_.separators()).has_value();
    miTapeCopy->setEnabled(memTape->textCursor().hasSelection());
    miTapeCopyResult->setEnabled(result);
    miTapeUndoClear->setEnabled(keeper_.canRestoreCleared());
    miTapeUseResult->setEnabled(result);
    pmTape->exec(memTape->viewport()->mapToGlobal(position));
    miTapeUndoClear->setEnabled(true); // its key beeps when there is nothing to bring back
}

void TapeWindow::saveAs() {
    const QString path = QFileDialog::getSaveFileName(this, tapeSaveTitle(language_),
                                                      QDir::home().filePath(QStringLiteral("tape.txt")),
                                                      tapeSaveFilter(language_));
    if (!path.isEmpty()) saveTo(path);
}

bool TapeWindow::saveTo(const QString& path) {
    const QStringList& lines = keeper_.lines();
    QByteArray bytes = lines.join(QLatin1Char('\n')).toUtf8();
    if (!lines.isEmpty()) bytes += '\n';
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    showMessage(tapeSaveFailedText(QDir::toNativeSeparators(path), file.errorString(), language_));
    return false;
}

void TapeWindow::clearTape() {
    keeper_.clear();
    memTape->clear();
}

void TapeWindow::restoreClearedTape() {
    if (!keeper_.canRestoreCleared()) {
        QApplication::beep();
        return;
    }
    keeper_.restoreCleared();
    memTape->setPlainText(keeper_.lines().join(QLatin1Char('\n')));
    moveToLastLine();
}

} // namespace orv
