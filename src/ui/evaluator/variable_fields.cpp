// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "variable_fields.h"

#include "number_text.h"
#include "variable_text.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace orv {
namespace {

constexpr int kRowPitch = 24;

} // namespace

VariableFields::VariableFields(std::function<Separators()> separators, QWidget* parent)
    : QScrollArea(parent), separators_(std::move(separators)) {
    setObjectName(QStringLiteral("ScrollBox1"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Not a Tab stop of its own: Tab goes from field to field, and the box scrolls to each.
    setFocusPolicy(Qt::NoFocus);
    auto* rows = new QWidget;
    rows->setFixedSize(226, 2 + kRowPitch * kCount);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(13);
    labelFont.setBold(true);
    // A palette, not a style sheet: 26 style sheets cost milliseconds at start-up.
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    for (int k = 0; k < kCount; ++k) {
        const QChar letter(QLatin1Char(static_cast<char>('A' + k)));
        auto* label = new QLabel(QString(letter), rows);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        label->setFont(labelFont);
        label->setPalette(blue);
        label->setGeometry(6, 2 + kRowPitch * k, 16, 21);
        auto* field = new QLineEdit(QStringLiteral("0"), rows);
        field->setObjectName(QStringLiteral("ed") + letter);
        field->setGeometry(26, 2 + kRowPitch * k, 190, 21);
        label->setBuddy(field);
        field->setAccessibleName(QString(letter));
        connect(field, &QLineEdit::textChanged, this, &VariableFields::read);
        fields_[static_cast<std::size_t>(k)] = field;
    }
    setWidget(rows);
}

void VariableFields::read() {
    const Separators separators = separators_();
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        QLineEdit* field = fields_[k];
        const VariableValue read = readVariableText(field->text().toStdString(), separators);
        if (read.ok()) {
            values_[k] = read.value;
            errors_[k].clear();
            if (!field->styleSheet().isEmpty()) { // only a marked field is touched: this runs per keystroke
                field->setStyleSheet(QString());
                field->setToolTip(QString());
            }
        } else {
            // The field says why; evaluating reports it too, rather than using a value not shown.
            errors_[k] = QString::fromStdString(read.error);
            field->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid red; }"));
            field->setToolTip(errors_[k]);
        }
    }
}

void VariableFields::setValues(const ExpressionVariables& values) {
    const Separators separators = separators_();
    for (std::size_t k = 0; k < fields_.size(); ++k)
        fields_[k]->setText(QString::fromStdString(generalText(values[k], separators)));
}

QString VariableFields::firstError() const {
    const auto invalid = std::find_if(errors_.begin(), errors_.end(), [](const QString& e) { return !e.isEmpty(); });
    return invalid == errors_.end() ? QString() : *invalid;
}

void VariableFields::setReadOnly(bool readOnly) {
    for (QLineEdit* field : fields_)
        field->setReadOnly(readOnly);
}

void VariableFields::applyLook(const QFont& font, const QColor& text, const QColor& base) {
    for (QLineEdit* field : fields_) {
        field->setFont(font);
        QPalette p = field->palette();
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::Base, base);
        field->setPalette(p);
    }
}

} // namespace orv
