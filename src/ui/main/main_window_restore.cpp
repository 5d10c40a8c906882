// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "main_window_restore.h"

#include "currency.h"
#include "settings_values.h"
#include "currency.h"
#include "unit_catalogue.h"

#include <QAction>
#include <QComboBox>
#include <QWidget>

namespace orv {

static_assert(kConvertGroupCount == kCurrencyGroup + 1, "the stored group is read against the panel's groups");

namespace {

QAction* viewItem(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

bool checked(const QWidget& window, const char* name) {
    const QAction* item = viewItem(window, name);
    return item && item->isChecked();
}

void switchOn(QWidget& window, const char* name) {
    QAction* item = viewItem(window, name);
    if (item && !item->isChecked()) item->trigger();
}

} // namespace

int shownPanelsCode(const QWidget& window) {
    const int conversion = checked(window, "miConvert") ? 10 : 0;
    const int wide = checked(window, "miScience") ? 1 : checked(window, "miStatist") ? 2 : 0;
    return conversion + wide;
}

std::optional<int> selectedConvertGroup(const QWidget& window) {
    if (const auto* groups = window.findChild<QComboBox*>(QStringLiteral("cbVibor")))
        return groups->currentIndex();
    return std::nullopt;
}

void restoreSidePanels(QWidget& window, int calcMode, int convertItem) {
    switch (calcMode) {
    case 1: switchOn(window, "miScience"); break;
    case 2: switchOn(window, "miStatist"); break;
    case 10: switchOn(window, "miConvert"); break;
    case 11:
        switchOn(window, "miConvert");
        switchOn(window, "miScience");
        break;
    case 12:
        switchOn(window, "miConvert");
        switchOn(window, "miStatist");
        break;
    default: break; // an unknown code shows the plain keypad
    }
    // A group the list does not have would leave the list and both unit lists blank, and be
    // saved back as -1: the first group stands in for it.
    if (auto* groups = window.findChild<QComboBox*>(QStringLiteral("cbVibor")))
        groups->setCurrentIndex(convertItem >= 0 && convertItem < groups->count() ? convertItem : 0);
}

} // namespace orv
