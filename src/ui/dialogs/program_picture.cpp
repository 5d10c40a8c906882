// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "program_picture.h"

#include "colour.h"
#include "settings_values.h"

#include <QPainter>

namespace orv {

QPixmap programPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A 64 x 64 drawing scaled to the size asked for.
    p.scale(size.width() / 64.0, size.height() / 64.0);
    p.setPen(QPen(colorFromColorRef(kColourNavy), 2));
    p.setBrush(QColor(0xC8, 0xD0, 0xD4));
    p.drawRoundedRect(QRectF(8, 3, 48, 58), 5, 5);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 8, 38, 12));
    p.setPen(colorFromColorRef(kColourNavy));
    QFont digits(QStringLiteral("Sans"), 1, QFont::Bold);
    digits.setPixelSize(10);
    p.setFont(digits);
    p.drawText(QRectF(13, 8, 36, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("3.9"));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const bool operation = column == 3;
            p.setPen(Qt::NoPen);
            p.setBrush(operation ? colorFromColorRef(kKeyRed) : colorFromColorRef(kColourNavy));
            p.drawRoundedRect(QRectF(13 + column * 10, 25 + row * 9, 8, 7), 1.5, 1.5);
        }
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(programPicture(QSize(side, side)));
    return icon;
}

} // namespace orv
