// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "language_table.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace orv {
namespace {

void setCaption(QObject* control, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(control)) menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control)) action->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control)) group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
    else if (auto* widget = qobject_cast<QWidget*>(control); widget && widget->isWindow()) widget->setWindowTitle(text);
}

void setHint(QObject* control, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(control)) action->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(control)) widget->setToolTip(text);
}

void setName(QObject* control, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(control)) widget->setAccessibleName(text);
}

void setDescription(QObject* control, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(control)) widget->setAccessibleDescription(text);
}

} // namespace

void applyLanguage(QWidget* window, std::span<const LanguageText> table, int language) {
    if (language != 0 && language != 1) return;
    for (const LanguageText& row : table) {
        QObject* control = window->objectName() == QLatin1String(row.control)
                               ? window
                               : window->findChild<QObject*>(QString::fromLatin1(row.control));
        if (!control) continue;
        const QString text = QString::fromUtf8(language == 0 ? row.english : row.russian);
        switch (row.role) {
        case TextRole::Caption: setCaption(control, text); break;
        case TextRole::Hint: setHint(control, text); break;
        case TextRole::Name: setName(control, text); break;
        case TextRole::Description: setDescription(control, text); break;
        }
    }
}

} // namespace orv
