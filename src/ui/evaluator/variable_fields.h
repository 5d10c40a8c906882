// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"
#include "separators.h"

#include <QScrollArea>
#include <QString>

#include <array>
#include <functional>

class QLineEdit;

namespace orv {

// The Evaluator's 26 variables A to Z: a scrolled column of a letter and an edit field each
// (`edA` .. `edZ`), read into their values on every change of any field.
class VariableFields : public QScrollArea {
    Q_OBJECT
  public:
    static constexpr int kCount = 26;

    // `separators` gives the locale's separators at the moment a field is read.
    VariableFields(std::function<Separators()> separators, QWidget* parent = nullptr);

    // Re-reads every field, A to Z. A field that holds no number keeps its variable's last value
    // and is marked with the reason; an empty one counts as 0.
    void read();
    const ExpressionVariables& values() const { return values_; }
    // Each field shows its value's general text.
    void setValues(const ExpressionVariables& values);
    // Why the first field that holds no number holds none; empty when all do.
    QString firstError() const;

    void setReadOnly(bool readOnly);
    void applyLook(const QFont& font, const QColor& text, const QColor& base);

  private:
    std::function<Separators()> separators_;
    std::array<QLineEdit*, kCount> fields_{};
    std::array<QString, kCount> errors_{}; // empty for a field that holds a number
    ExpressionVariables values_{};
};

} // namespace orv
