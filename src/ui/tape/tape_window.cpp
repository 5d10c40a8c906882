// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_window.h"

#include "calculator.h"
#include "colour.h"
#include "error_hint_window.h"
#include "file_writer.h"
#include "settings_store.h"
#include "settings_values.h"
#include "tape_dock.h"
#include "tape_keeper.h"
#include "tape_line.h"
#include "tape_model.h"
#include "tape_texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QListView>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

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

// To screen readers the tape is a window of its own, and its banner an alert that says its text.
class TapeBannerAccessible : public QAccessibleWidget {
  public:
    explicit TapeBannerAccessible(QLabel* banner) : QAccessibleWidget(banner, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* tapeInterface(const QString&, QObject* object) {
    if (auto* window = qobject_cast<TapeWindow*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    auto* banner = qobject_cast<QLabel*>(object);
    if (banner && banner->objectName() == QLatin1String("lbTapeMessage") && qobject_cast<TapeWindow*>(banner->parent()))
        return new TapeBannerAccessible(banner);
    return nullptr;
}

// Icons by the kind of entry alone. The usual provider opens a file to guess its type, and a
// special file (under /proc, a FIFO, a device) can keep its reader waiting for good.
class NameOnlyIcons final : public QAbstractFileIconProvider {
  public:
    QIcon icon(IconType type) const override {
        return QApplication::style()->standardIcon(type == Folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    }
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override { return info.isDir() ? QString() : info.suffix(); }
};

// A longer line scrolls sideways rather than breaking, so a number is never split: every row is as
// wide as the widest line. Thousands of lines arriving at once are sized by their longest few.
constexpr int kMeasuredAtOnce = 32;
constexpr int kRowPadding = 8;

} // namespace

TapeWindow::TapeWindow(TapeKeeper& keeper, Calculator& calculator, SettingsStore& store, QWidget& mainWindow)
    : QWidget(&mainWindow, Qt::Window), keeper_(keeper), calculator_(calculator), store_(store),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TapeWindow"));
    static const bool accessible = [] {
        QAccessible::installFactory(tapeInterface);
        return true;
    }();
    (void)accessible;
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
    memTape->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
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
    connect(tapeKey, &QShortcut::activated, this, &TapeWindow::closeByUser);

    followNewLines();
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { widenRowsFor(first, last); });
    connect(model_, &QAbstractItemModel::modelReset, this, &TapeWindow::fitRowsToLines);
    fitRowsToLines();
    mainWindow_.installEventFilter(this);
    // The banner says its piece and goes; the trouble stays in the keeper.
    messageTimer_ = new QTimer(this);
    messageTimer_->setSingleShot(true);
    messageTimer_->setInterval(kMessageTime);
    connect(messageTimer_, &QTimer::timeout, this, &TapeWindow::hideMessage);
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
    pmTape->addSeparator();
    miTapeDock = menuItem(pmTape, "miTapeDock");

    connect(miTapeCopy, &QAction::triggered, this, &TapeWindow::copyLines);
    connect(miTapeCopyResult, &QAction::triggered, this, &TapeWindow::copyResult);
    connect(miTapeUseResult, &QAction::triggered, this, [this] { useRow(currentRow()); });
    connect(miTapeSelectAll, &QAction::triggered, memTape, &QListView::selectAll);
    connect(miTapeSaveAs, &QAction::triggered, this, &TapeWindow::saveAs);
    connect(miTapeClear, &QAction::triggered, this, &TapeWindow::clearTape);
    connect(miTapeUndoClear, &QAction::triggered, this, &TapeWindow::restoreClearedTape);
    connect(miTapeDock, &QAction::triggered, this, &TapeWindow::dock);
}

void TapeWindow::open(bool takeKeyboard) {
    if (!placed_) placeFirstTime();
    else if (docked_) moveToDock();
    wantedOpen_ = true;
    showTrouble();
    setAttribute(Qt::WA_ShowWithoutActivating, !takeKeyboard);
    if (isMinimized())
        showNormal();
    else
        show();
    if (docked_) {
        moveToDock();
        // A window manager frames both windows a moment after they show; once the frames are
        // known the tape goes flush again.
        QTimer::singleShot(kDockingTime, this, [this] {
            if (docked_ && isVisible()) moveToDock();
        });
    }
    if (!takeKeyboard) return;
    raise();
    activateWindow();
    memTape->setFocus(Qt::ActiveWindowFocusReason);
    moveToLastLine();
}

void TapeWindow::placeFirstTime() {
    placed_ = true;
    const auto left = store_.readInt(QString::fromLatin1(value::RTapeLeft));
    const auto top = store_.readInt(QString::fromLatin1(value::RTapeTop));
    const auto width = store_.readInt(QString::fromLatin1(value::RTapeWidth));
    const auto height = store_.readInt(QString::fromLatin1(value::RTapeHeight));
    const auto docked = store_.readInt(QString::fromLatin1(value::RTapeDocked));
    const bool sized = width && height && *width > 0 && *height > 0;
    resize(sized ? QSize(*width, *height) : QSize(kDefaultWidth, std::max(mainWindow_.height(), kMinDefaultHeight)));
    docked_ = !docked || *docked != 0;
    // Where the user left it, unless that screen is gone; docked, beside the calculator wherever that is now.
    const QRect where = sized && left && top ? QRect(*left, *top, *width, *height) : QRect();
    if (!docked_ && where.isValid() && QGuiApplication::screenAt(where.center()))
        setGeometry(where);
    else
        dock();
}

QPoint TapeWindow::dockedPosition() const {
    // Before it is first shown this window's frame is not known; the main window's stands for it.
    const QSize frameExtra = isVisible() ? frameGeometry().size() - size() : mainWindow_.frameGeometry().size() - mainWindow_.size();
    const QScreen* screen = mainWindow_.screen();
    return dockedTapePosition(mainWindow_.frameGeometry(), size() + frameExtra,
                              screen ? screen->availableGeometry() : QRect());
}

void TapeWindow::dock() {
    docked_ = true;
    moveToDock();
}

void TapeWindow::moveToDock() {
    dockedAt_ = dockedPosition();
    if (pos() == dockedAt_) return;
    docking_.start();
    awaitingDockMove_ = true;
    move(dockedAt_);
}

void TapeWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window manager answers a move of ours a little later, maybe a little elsewhere.
    if (std::exchange(awaitingDockMove_, false) && docking_.elapsed() < kDockingTime) return;
    if (!isVisible() || !mainWindow_.isVisible()) return;
    // A move to somewhere else than the dock is the user's: the tape stays where put. Brought
    // back near the calculator's side, it docks again.
    if (docked_ && !nearDock(pos(), dockedAt_)) docked_ = false;
    else if (!docked_ && nearDock(pos(), dockedPosition())) dock();
}

void TapeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (docked_ && isVisible()) moveToDock(); // a wider tape on the left moves out of the way
    if (following_) moveToLastLine();          // the newest line stays in view
}

void TapeWindow::rememberGeometry() {
    if (!placed_) return;
    const QRect where = geometry();
    store_.writeInt(QString::fromLatin1(value::RTapeLeft), where.x());
    store_.writeInt(QString::fromLatin1(value::RTapeTop), where.y());
    store_.writeInt(QString::fromLatin1(value::RTapeWidth), where.width());
    store_.writeInt(QString::fromLatin1(value::RTapeHeight), where.height());
    store_.writeInt(QString::fromLatin1(value::RTapeDocked), docked_ ? 1 : 0);
}

void TapeWindow::hideEvent(QHideEvent* event) {
    rememberGeometry();
    QWidget::hideEvent(event);
}

void TapeWindow::closeByUser() {
    wantedOpen_ = false;
    close();
}

void TapeWindow::closeEvent(QCloseEvent* event) {
    // Closed from its frame, the user's wish; closed as the program ends, the tape opens next time.
    if (event->spontaneous()) wantedOpen_ = false;
    QWidget::closeEvent(event);
    returnToMainWindow();
}

void TapeWindow::returnToMainWindow() {
    if (returnToCalculator) return returnToCalculator();
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
    fitRowsToLines();
    QPalette palette = memTape->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    memTape->setPalette(palette);
}

void TapeWindow::showTrouble() {
    const TapeKeeper::Trouble trouble = keeper_.trouble();
    if (trouble == TapeKeeper::Trouble::None) return hideMessage();
    showMessage(tapeTroubleText(keeper_, language_));
}

void TapeWindow::showMessage(const QString& text) {
    lbTapeMessage->setText(text);
    lbTapeMessage->show();
    messageTimer_->start();
    QAccessibleEvent alert(lbTapeMessage, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TapeWindow::hideMessage() {
    messageTimer_->stop();
    lbTapeMessage->clear();
    lbTapeMessage->hide();
}

void TapeWindow::fitRowsToLines() {
    rowWidth_ = 0;
    widenRowsFor(0, model_->rowCount() - 1);
}

void TapeWindow::widenRowsFor(int first, int last) {
    std::vector<std::pair<std::size_t, int>> rows; // the line's bytes, its row
    for (int row = first; row <= last; ++row)
        if (const TapeStep* step = model_->entry(row)) rows.emplace_back(tapeLine(*step).size(), row);
    if (rows.size() > std::size_t(kMeasuredAtOnce)) {
        std::nth_element(rows.begin(), rows.begin() + kMeasuredAtOnce, rows.end(), std::greater<>());
        rows.resize(kMeasuredAtOnce);
    }
    const QFontMetrics metrics(memTape->font());
    int widest = rowWidth_;
    for (const auto& [bytes, row] : rows)
        widest = std::max(widest, metrics.horizontalAdvance(TapeModel::shownText(tapeLine(*model_->entry(row)))) + kRowPadding);
    const int height = metrics.height() + 2;
    if (widest == rowWidth_ && memTape->gridSize().height() == height) return;
    rowWidth_ = widest;
    memTape->setGridSize(QSize(std::max(rowWidth_, 1), height));
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

const TapeStep* TapeWindow::currentEntry() const {
    return model_->entry(currentRow());
}

bool TapeWindow::useRow(int row) {
    const TapeStep* step = model_->entry(row);
    const std::optional<Extended> result = step ? tapeResult(*step) : std::nullopt;
    if (!result) {
        QApplication::beep(); // a failed step or a note has no result
        return false;
    }
    calculator_.loadOperand(*result);
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
        if (const TapeStep* step = model_->entry(index.row())) text += tapeLine(*step) + '\n';
    }
    if (picked.size() == 1 && !text.empty()) text.pop_back(); // one line pastes into a field
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard && !text.empty())
        clipboard->setText(QString::fromStdString(text));
}

void TapeWindow::copyResult() {
    const TapeStep* step = currentEntry();
    const std::optional<Extended> result = step ? tapeResult(*step) : std::nullopt;
    if (!result) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(calculator_.tapeNumber(*result)));
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mainWindow_) {
        // Docked, the tape goes where the calculator goes and makes way when a panel widens it.
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && docked_ && isVisible())
            moveToDock();
        return false;
    }
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
            closeByUser();
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
    const TapeStep* step = currentEntry();
    const bool result = step && tapeResult(*step);
    miTapeCopy->setEnabled(step != nullptr);
    miTapeCopyResult->setEnabled(result);
    miTapeUndoClear->setEnabled(keeper_.canRestoreCleared());
    miTapeUseResult->setEnabled(result);
    miTapeDock->setEnabled(!docked_);
    pmTape->exec(memTape->viewport()->mapToGlobal(position));
    miTapeUndoClear->setEnabled(true); // its key beeps when there is nothing to bring back
}

void TapeWindow::saveAs() {
    QFileDialog dialog(this, tapeSaveTitle(language_), QDir::home().filePath(QStringLiteral("tape.txt")),
                       tapeSaveFilter(language_));
    dialog.setObjectName(QStringLiteral("TapeSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    NameOnlyIcons icons;
    dialog.setIconProvider(&icons);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) saveTo(dialog.selectedFiles().front());
}

bool TapeWindow::saveTo(const QString& path) {
    keeper_.settleWithFile(); // every line the file holds
    std::string bytes;
    for (const TapeStep& step : keeper_.lines()) bytes.append(tapeLine(step)).append(1, '\n');
    const TapeFileError error = replaceFileAtomically(QFile::encodeName(path).toStdString(), bytes);
    if (!error) {
        hideMessage(); // an earlier failure to save is past
        return true;
    }
    showMessage(tapeSaveFailedText(QDir::toNativeSeparators(path), tapeFileErrorText(error, language_), language_));
    return false;
}

void TapeWindow::clearTape() {
    keeper_.clear();
    hideMessage();
}

void TapeWindow::restoreClearedTape() {
    if (!keeper_.canRestoreCleared()) {
        QApplication::beep();
        return;
    }
    keeper_.restoreCleared();
}

} // namespace orv
