// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "text_panel.h"

#include "accessible_panels.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextOption>

#include <algorithm>

namespace orv {
namespace {

// A sunken box filled with the light colour itself (the white display) would lose its right and
// bottom edges in its own fill: those are then drawn a shade darker than the fill.
void keepLightEdgeVisible(QPalette& palette, QPalette::ColorRole fill) {
    const QColor colour = palette.color(fill);
    if (palette.color(QPalette::Light) == colour) palette.setColor(QPalette::Light, colour.darker(112));
}

} // namespace

TextPanel::TextPanel(QWidget* parent) : QFrame(parent) {
    installPanelAccessibility();
    setAutoFillBackground(true);
}

void TextPanel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void TextPanel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TextPanel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    setPalette(p);
}

QColor TextPanel::textColour() const {
    return palette().color(QPalette::WindowText);
}

void TextPanel::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(backgroundRole(), colour);
    setPalette(p);
}

QColor TextPanel::background() const {
    return palette().color(backgroundRole());
}

void TextPanel::setPicture(std::function<void(QPainter&, const QRectF&)> picture) {
    picture_ = std::move(picture);
    update();
}

void TextPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawEdges(painter);
    const QRectF area = QRectF(textArea()).translated(contentOffset());
    if (picture_) {
        painter.setRenderHint(QPainter::Antialiasing);
        picture_(painter, area);
        return;
    }
    if (text_.isEmpty()) return;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(paintedFont());
    painter.drawText(area, text_, textOption());
}

void TextPanel::drawEdges(QPainter& painter) const {
    if (frameShape() == QFrame::NoFrame) return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    if (frameShadow() == QFrame::Sunken) keepLightEdgeVisible(option.palette, backgroundRole());
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
}

QTextOption TextPanel::textOption() const {
    QTextOption option(alignment_);
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    return option;
}

// A face wider than the one the display was designed for is condensed rather than clipped.
QFont TextPanel::paintedFont() const {
    const qreal available = textArea().width();
    const qreal needed = QFontMetricsF(font()).horizontalAdvance(text_, textOption());
    if (needed <= available || needed <= 0) return font();
    // The stretch is a whole percentage and glyphs snap to pixels: step down until it fits.
    QFont condensed = font();
    for (int stretch = std::max(50, int(100 * available / needed)); stretch >= 50; --stretch) {
        condensed.setStretch(stretch);
        if (QFontMetricsF(condensed).horizontalAdvance(text_, textOption()) <= available) break;
    }
    return condensed;
}

void TextPanel::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    // Taken here: passed on to the parent, the same press would reach the error hint again.
    event->accept();
}

void TextPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressedInside_ = false;
    event->accept();
    if (click) emit clicked();
}

void TextPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event); // the second press of a double click is a press too
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

} // namespace orv
