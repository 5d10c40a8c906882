// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_window.h"

#include "calculator.h"
#include "colour.h"
#include "error_hint_window.h"
#include "settings_store.h"
#include "settings_values.h"
#include "tape_keeper.h"
#include "tape_model.h"
#include "tape_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QListView>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
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

    model_ = new TapeModel(keeper_, this);
    memTape = new QListView(this);
    memTape->setObjectName(QStringLiteral("memTape"));
    memTape->setModel(model_);
    // Every line is one row of the same height, so only the rows on screen are ever laid out.
    memTape->setUniformItemSizes(true);
    memTape->setSelectionMode(QAbstractItemView::ExtendedSelection);
    memTape->setEditTriggers(QAbstractItemView::NoEditTriggers);
    memTape->setTabKeyNavigation(false);
    // A line wider than the window keeps its start and its result.
    memTape->setTextElideMode(Qt::ElideMiddle);
    memTape->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

    followNewLines();
    SetLang(0);
}

TapeWindow::~TapeWindow() = default;

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

    connect(miTapeCopy, &QAction::triggered, this, &TapeWindow::copyLines);
    connect(miTapeCopyResult, &QAction::triggered, this, &TapeWindow::copyResult);
    connect(miTapeUseResult, &QAction::triggered, this, [this] { useRow(currentRow()); });
    connect(miTapeSelectAll, &QAction::triggered, memTape, &QListView::selectAll);
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
    showMessage(tapeTroubleText(keeper_, language_));
}

void TapeWindow::showMessage(const QString& text) {
    lbTapeMessage->setText(text);
    lbTapeMessage->show();
}

void TapeWindow::followNewLines() {
    // A caret left on the last line stays on the last line, so Enter takes the newest result.
    connect(model_, &QAbstractItemModel::rowsAboutToBeInserted, this, [this](const QModelIndex&, int first) {
        const int current = currentRow();
        following_ = first == model_->rowCount() && (current < 0 || current == model_->rowCount() - 1) &&
                     memTape->selectionModel()->selectedRows().size() <= 1;
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int, int last) {
        if (following_ && last == model_->rowCount() - 1) moveToLastLine();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, &TapeWindow::moveToLastLine);
}

void TapeWindow::moveToLastLine() {
    const QModelIndex last = model_->index(model_->rowCount() - 1);
    if (!last.isValid()) return;
    memTape->setCurrentIndex(last);
    memTape->scrollTo(last);
}

int TapeWindow::currentRow() const {
    const QModelIndex current = memTape->currentIndex();
    return current.isValid() ? current.row() : -1;
}

const TapeEntry* TapeWindow::currentEntry() const {
    return model_->entry(currentRow());
}

bool TapeWindow::useRow(int row) {
    const TapeEntry* line = model_->entry(row);
    if (!line || !line->result) {
        QApplication::beep(); // a failed step or a note has no result
        return false;
    }
    calculator_.loadOperand(*line->result);
    returnToMainWindow(); // typing goes on in the calculator
    return true;
}

void TapeWindow::copyLines() {
    // The whole lines, however long, in the tape's order whatever order they were picked in.
    QModelIndexList picked = memTape->selectionModel()->selectedRows();
    if (picked.isEmpty() && memTape->currentIndex().isValid()) picked.append(memTape->currentIndex());
    std::sort(picked.begin(), picked.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::string text;
    for (const QModelIndex& index : picked) {
        if (const TapeEntry* line = model_->entry(index.row())) text += line->text + '\n';
    }
    if (picked.size() == 1 && !text.empty()) text.pop_back(); // one line pastes into a field
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard && !text.empty())
        clipboard->setText(QString::fromStdString(text));
}

void TapeWindow::copyResult() {
    const TapeEntry* line = currentEntry();
    if (!line || !line->result) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(calculator_.tapeNumber(*line->result)));
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memTape && event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            useRow(currentRow());
            return true;
        }
        if (keyEvent->matches(QKeySequence::Copy)) {
            copyLines(); // whole lines, not the shown start of one
            return true;
        }
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
    } else if (watched == memTape->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex line = memTape->indexAt(mouse->position().toPoint());
        // Below the last line there is no line to use.
        if (mouse->button() == Qt::LeftButton && line.isValid()) {
            memTape->setCurrentIndex(line);
            useRow(line.row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TapeWindow::showMenu(const QPoint& position) {
    // The line clicked is the one the menu acts on, unless it is one of several picked to copy.
    const QModelIndex clicked = memTape->indexAt(position);
    if (clicked.isValid() && !memTape->selectionModel()->isSelected(clicked)) memTape->setCurrentIndex(clicked);
    const TapeEntry* line = currentEntry();
    const bool result = line && line->result;
    miTapeCopy->setEnabled(line != nullptr);
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
    keeper_.settle(); // every line the file holds
    QByteArray bytes;
    for (const TapeEntry& line : keeper_.lines()) bytes.append(line.text.data(), qsizetype(line.text.size())).append('\n');
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    showMessage(tapeSaveFailedText(QDir::toNativeSeparators(path), file.errorString(), language_));
    return false;
}

void TapeWindow::clearTape() {
    keeper_.clear();
}

void TapeWindow::restoreClearedTape() {
    if (!keeper_.canRestoreCleared()) {
        QApplication::beep();
        return;
    }
    keeper_.restoreCleared();
}

} // namespace orv
