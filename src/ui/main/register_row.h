// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "button_panel.h"
#include "calculator_state.h"

#include <QWidget>

#include <array>

namespace orv {

// The ten register keys (pnMemory); the one latched is the register the memory keys work on.
class RegisterRow : public QWidget {
    Q_OBJECT
  public:
    explicit RegisterRow(QWidget* parent);

    void setSelected(int registerNumber);
    void setHint(const QString& hint);

  signals:
    void registerClicked(int registerNumber);

  private:
    std::array<TButtonPanel*, kRegisterCount> keys_{};
};

} // namespace orv
