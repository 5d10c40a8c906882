// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "keypad.h"

#include "colour.h"
#include "key_pictures.h"
#include "keypad_table.h"
#include "legacy_font.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace orv {

// Operator signs are drawn as Unicode characters in the ordinary sans-serif face: a font that
// answers to "Symbol" here may use the symbol encoding and draw the multiplication sign as a dot.
QFont operatorFont(int pointSize, bool bold) {
    QFont f(QApplication::font().family(), pointSize, bold ? QFont::Bold : QFont::Normal);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

namespace {

QFont keyFont(KeyFont font) {
    if (font == KeyFont::Symbol12) return operatorFont(12, false);
    return legacySansSerif(8);
}

// The root sign of the square-root key: a short rising tick, the long stroke, the bar.
void drawRootSign(QPainter& painter, const QRectF& area) {
    const qreal h = std::min(area.height() * 0.62, area.width() * 0.5);
    const qreal w = h * 1.25;
    const QRectF box(area.center().x() - w / 2, area.center().y() - h / 2, w, h);
    QPainterPath path;
    path.moveTo(box.left(), box.top() + h * 0.58);
    path.lineTo(box.left() + w * 0.14, box.top() + h * 0.50);
    path.lineTo(box.left() + w * 0.34, box.bottom());
    path.lineTo(box.left() + w * 0.58, box.top());
    path.lineTo(box.right(), box.top());
    QPen pen(colorFromColorRef(kKeyBlue), std::max<qreal>(1.4, h / 10));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawPath(path);
}

} // namespace

Keypad::Keypad(QWidget* parent, const std::string& decimalSeparator) : QWidget(parent) {
    setObjectName(QStringLiteral("pnSimple"));
    for (const KeypadKeyRow& row : keypadKeys()) {
        auto* key = new TButtonPanel(this);
        key->setObjectName(QString::fromLatin1(row.name));
        key->setAccessibleName(QString::fromUtf8(row.spoken));
        key->setGeometry(row.left, row.top, row.width, row.height);
        key->setText(QString::fromUtf8(row.caption));
        key->setFont(keyFont(row.font));
        key->setTextColour(colorFromColorRef(row.colour == KeyColour::Red ? kKeyRed : kKeyBlue));
        key->setToolTip(QString::fromUtf8(row.hint));
        if (row.key == KeypadKey::Sqrt) key->setPicture(drawRootSign);
        // The display's own decimal mark, drawn as large as a digit.
        if (row.key == KeypadKey::Comma)
            key->setPicture(decimalSeparatorPicture(QString::fromStdString(decimalSeparator), key->font()));
        const KeypadKey which = row.key;
        connect(key, &TButtonPanel::mouseDown, this, [this, which] { emit keyPressed(which); });
        keys_[static_cast<std::size_t>(row.key)] = key;
    }
}

void Keypad::releaseAll() {
    for (TButtonPanel* key : keys_)
        key->setLowered(false);
}

} // namespace orv
