// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "main_menus.h"

#include "main_window_texts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace orv {
namespace {

using C = MenuCommand;
enum class Menu { Edit, View, Help };

struct ItemRow {
    MenuCommand command;
    const char* name;
    Menu menu;
    QKeyCombination shortcut;
    bool separatorBefore;
    bool checkable;
    const char* MainWindowTexts::*text; // null: the item names its step (Undo, Redo)
};

constexpr QKeyCombination kNone{};

const ItemRow kItems[] = {
    {C::Undo, "miUndo", Menu::Edit, Qt::CTRL | Qt::Key_Z, false, false, nullptr},
    {C::Redo, "miRedo", Menu::Edit, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, false, false, nullptr},
    {C::Copy, "miCopy", Menu::Edit, Qt::CTRL | Qt::Key_Insert, true, false, &MainWindowTexts::miCopy},
    {C::Paste, "miPaste", Menu::Edit, Qt::SHIFT | Qt::Key_Insert, false, false, &MainWindowTexts::miPaste},
    {C::Preferences, "miPrefer", Menu::Edit, QKeyCombination(Qt::Key_F2), true, false, &MainWindowTexts::miPrefer},
    // The check marks are the panels' state; each command sets its own mark when done.
    {C::Conversion, "miConvert", Menu::View, QKeyCombination(Qt::Key_F5), false, true, &MainWindowTexts::miConvert},
    {C::Science, "miScience", Menu::View, QKeyCombination(Qt::Key_F6), false, true, &MainWindowTexts::miScience},
    {C::Statistics, "miStatist", Menu::View, QKeyCombination(Qt::Key_F7), false, true, &MainWindowTexts::miStatist},
    {C::Evaluator, "Evaluator1", Menu::View, QKeyCombination(Qt::Key_F8), true, false, &MainWindowTexts::Evaluator1},
    {C::Tape, "miTape", Menu::View, Qt::CTRL | Qt::Key_H, false, false, &MainWindowTexts::miTape},
    // F4 switches to the other layout: only that one's item has the key (showFullSize moves it),
    // so the key is never ambiguous and the menu shows it where it leads.
    {C::Max, "miMax", Menu::View, kNone, true, true, &MainWindowTexts::miMax},
    {C::Min, "miMin", Menu::View, QKeyCombination(Qt::Key_F4), false, true, &MainWindowTexts::miMin},
    // F1 is each window's own topic, wired with the help.
    {C::Contents, "miContens", Menu::Help, kNone, false, false, &MainWindowTexts::miContens},
    {C::HomePage, "miPage", Menu::Help, kNone, true, false, &MainWindowTexts::miPage},
    {C::About, "miAbout", Menu::Help, kNone, true, false, &MainWindowTexts::miAbout},
};
static_assert(std::size(kItems) == kMenuCommandCount);

} // namespace

MainMenus::MainMenus(QMenuBar& bar, QObject* parent) : QObject(parent) {
    edit_ = bar.addMenu(QString());
    edit_->setObjectName(QStringLiteral("miEdit"));
    view_ = bar.addMenu(QString());
    view_->setObjectName(QStringLiteral("miView"));
    help_ = bar.addMenu(QString());
    help_->setObjectName(QStringLiteral("miHelp"));
    for (const ItemRow& row : kItems) {
        QMenu* menu = row.menu == Menu::Edit ? edit_ : row.menu == Menu::View ? view_ : help_;
        if (row.separatorBefore) menu->addSeparator();
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(row.name));
        if (row.shortcut != kNone) action->setShortcut(QKeySequence(row.shortcut));
        action->setCheckable(row.checkable);
        items_[static_cast<std::size_t>(row.command)] = action;
    }
    item(C::Redo)->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    auto* sizeGroup = new QActionGroup(this);
    sizeGroup->addAction(item(C::Max));
    sizeGroup->addAction(item(C::Min));
    item(C::Max)->setChecked(true);
    // Their windows and panels are not part of this window yet.
    for (MenuCommand command : {C::Preferences, C::Evaluator, C::Contents, C::HomePage, C::About})
        item(command)->setEnabled(false);
}

void MainMenus::setTexts(const MainWindowTexts& texts) {
    edit_->setTitle(QString::fromUtf8(texts.miEdit));
    view_->setTitle(QString::fromUtf8(texts.miView));
    help_->setTitle(QString::fromUtf8(texts.miHelp));
    for (const ItemRow& row : kItems)
        if (row.text) item(row.command)->setText(QString::fromUtf8(texts.*row.text));
}

namespace {

// "&Undo: clear M1", or "&Undo" alone when there is no step.
QString itemText(const char* alone, const char* withStep, const std::string& step) {
    if (step.empty()) return QString::fromUtf8(alone);
    return QString::fromUtf8(withStep).arg(QString::fromStdString(step));
}

} // namespace

void MainMenus::nameUndoSteps(const MainWindowTexts& texts, const std::string& undo, const std::string& redo) {
    item(C::Undo)->setText(itemText(texts.miUndo, texts.miUndoStep, undo));
    item(C::Redo)->setText(itemText(texts.miRedo, texts.miRedoStep, redo));
}

void MainMenus::showFullSize(bool full) {
    item(C::Max)->setChecked(full);
    item(C::Min)->setChecked(!full);
    item(C::Max)->setShortcut(full ? QKeySequence() : QKeySequence(Qt::Key_F4));
    item(C::Min)->setShortcut(full ? QKeySequence(Qt::Key_F4) : QKeySequence());
}

void MainMenus::setSizeItemsEnabled(bool enabled) {
    item(C::Max)->setEnabled(enabled);
    item(C::Min)->setEnabled(enabled);
}

} // namespace orv
