// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "key_pictures.h"

#include "colour.h"
#include "legacy_font.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace orv {
namespace {

// The formula is laid out at a fixed design size and then scaled into the face, so the same
// outlines serve every key size and screen scale.
constexpr qreal kDesignSize = 100;
constexpr qreal kSmallScale = 0.62;

// The same bold sans-serif face as the text captions beside them, so the picture keys read as
// one set with the others.
QFont pictureFont(qreal pixelSize) {
    return legacySansSerifPixels(std::max(1, int(pixelSize)), true);
}

// Fits a path drawn at design size into `area`, keeping its proportions, centred.
void fillFitted(QPainter& painter, const QPainterPath& path, const QRectF& area, qreal fill) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return;
    const qreal scale = std::min(area.width() * fill / bounds.width(), area.height() * fill / bounds.height());
    painter.save();
    painter.translate(area.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colorFromColorRef(kKeyBlue));
    painter.drawPath(path);
    painter.restore();
}

QPainterPath rootSignPath(qreal w, qreal h, qreal stroke, qreal tickTop = 0.50) {
    // A short rising tick, the long stroke down and up, the bar: drawn as an outline so the
    // picture can be filled like the text runs.
    QPainterPath line;
    line.moveTo(0, h * (tickTop + 0.08));
    line.lineTo(w * 0.14, h * tickTop);
    line.lineTo(w * 0.34, h);
    line.lineTo(w * 0.58, 0);
    line.lineTo(w, 0);
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setCapStyle(Qt::FlatCap);
    return stroker.createStroke(line);
}

} // namespace

KeyPicture formulaPicture(std::initializer_list<FormulaRun> runs) {
    std::vector<FormulaRun> copy(runs);
    return [copy](QPainter& painter, const QRectF& area) {
        QPainterPath path;
        qreal x = 0;
        for (const FormulaRun& run : copy) {
            const bool small = run.place != RunPlace::Base;
            const QFont font = pictureFont(kDesignSize * (small ? kSmallScale : 1.0));
            const QFontMetricsF metrics(font);
            qreal baseline = 0;
            if (run.place == RunPlace::Raised) baseline = -kDesignSize * 0.42;
            if (run.place == RunPlace::Lowered) baseline = kDesignSize * 0.22;
            path.addText(x, baseline, font, run.text);
            if (run.overline) {
                const qreal top = -metrics.xHeight() - kDesignSize * 0.16;
                path.addRect(QRectF(x + kDesignSize * 0.04, top, metrics.horizontalAdvance(run.text),
                                    kDesignSize * 0.06));
            }
            x += metrics.horizontalAdvance(run.text) + (small ? kDesignSize * 0.04 : 0);
        }
        fillFitted(painter, path, area, 0.78);
    };
}

CubeRootParts cubeRootParts() {
    const qreal h = kDesignSize;
    const qreal w = h * 1.25;
    CubeRootParts parts;
    // The tick starts low and the index stands well above it: scaled down to a key, a gap of a
    // few design units closes and the 3 runs into the sign.
    parts.sign = rootSignPath(w, h, h / 9, 0.66);
    parts.index.addText(0, h * 0.42, pictureFont(h * 0.56), QStringLiteral("3"));
    return parts;
}

KeyPicture cubeRootPicture() {
    return [](QPainter& painter, const QRectF& area) {
        const CubeRootParts parts = cubeRootParts();
        QPainterPath path = parts.sign;
        path.addPath(parts.index);
        fillFitted(painter, path, area, 0.8);
    };
}

KeyPicture chevronsPicture() {
    return [](QPainter& painter, const QRectF& area) {
        QPainterPath path;
        for (qreal left : {0.0, 0.45}) {
            QPainterPath chevron;
            chevron.moveTo(left, 0);
            chevron.lineTo(left + 0.55, 0.5);
            chevron.lineTo(left, 1);
            chevron.lineTo(left + 0.18, 1);
            chevron.lineTo(left + 0.73, 0.5);
            chevron.lineTo(left + 0.18, 0);
            chevron.closeSubpath();
            path = path.united(chevron);
        }
        fillFitted(painter, path, area, 0.55);
    };
}

KeyPicture arrowPicture(bool up) {
    return [up](QPainter& painter, const QRectF& area) {
        QPainterPath path;
        // Head and shaft of an arrow pointing up, in a unit box; mirrored for down.
        const QPointF points[] = {{0.5, 0.0}, {1.0, 0.5}, {0.68, 0.5}, {0.68, 1.0},
                                  {0.32, 1.0}, {0.32, 0.5}, {0.0, 0.5}};
        path.moveTo(points[0].x(), up ? points[0].y() : 1 - points[0].y());
        for (const QPointF& p : points)
            path.lineTo(p.x(), up ? p.y() : 1 - p.y());
        path.closeSubpath();
        fillFitted(painter, path, area, 0.7);
    };
}

KeyPicture decimalSeparatorPicture(const QString& separator, const QFont& digitFont) {
    return [separator, digitFont](QPainter& painter, const QRectF& area) {
        // At the caption size a comma is two or three pixels: drawn at about twice it and bold,
        // its ink is about as heavy as a digit's stroke, and it keeps the digits' base line.
        const QFontMetricsF digits(digitFont);
        QFont big = digitFont;
        big.setPixelSize(std::max(1, qRound(2 * digits.height() * 0.8)));
        big.setBold(true);
        QPainterPath glyph;
        glyph.addText(0, 0, big, separator);
        const QRectF ink = glyph.boundingRect();
        if (ink.isEmpty()) return;
        const qreal baseline = area.center().y() + (digits.ascent() - digits.descent()) / 2;
        painter.save();
        painter.translate(area.center().x() - ink.center().x(), baseline);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colorFromColorRef(kKeyBlue));
        painter.drawPath(glyph);
        painter.restore();
    };
}

} // namespace orv
