// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "register_row.h"

#include "colour.h"

namespace orv {

RegisterRow::RegisterRow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnMemory"));
    QFont registerFont = font();
    registerFont.setBold(true);
    for (int n = 1; n <= kRegisterCount; ++n) {
        auto* key = new TButtonPanel(this);
        key->setObjectName(QStringLiteral("pnM%1").arg(n));
        key->setAccessibleName(QStringLiteral("memory register %1").arg(n));
        key->setGeometry((n - 1) * 22, 0, 22, 22);
        key->setFrameStyle(QFrame::Panel | QFrame::Raised);
        key->setText(QString::number(n));
        key->setFont(registerFont);
        key->setTextColour(colorFromColorRef(kKeyRed));
        connect(key, &TButtonPanel::clicked, this, [this, n] { emit registerClicked(n); });
        keys_[n - 1] = key;
    }
}

void RegisterRow::setSelected(int registerNumber) {
    for (int n = 1; n <= kRegisterCount; ++n)
        keys_[n - 1]->setLatched(n == registerNumber);
}

void RegisterRow::setHint(const QString& hint) {
    for (TButtonPanel* key : keys_)
        key->setToolTip(hint);
}

} // namespace orv
