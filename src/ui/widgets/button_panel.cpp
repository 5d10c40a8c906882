// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "button_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orv {
namespace {

// The designed light face and bevel, kept under any desktop palette (a dark one would turn the
// face dark under the blue and red captions).
QPalette keyPalette(QPalette p) {
    p.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
    p.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    p.setColor(QPalette::Dark, QColor(0xA0, 0xA0, 0xA0));
    p.setColor(QPalette::Shadow, QColor(0x69, 0x69, 0x69));
    return p;
}

constexpr int kCaptionMargin = 2;

} // namespace

TButtonPanel::TButtonPanel(QWidget* parent) : TextPanel(parent) {
    setPalette(keyPalette(palette()));
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setFocusPolicy(Qt::TabFocus);
}

// A caption keeps a margin from the bevel: a wide one is condensed rather than touching it.
QRect TButtonPanel::textArea() const {
    return contentsRect().adjusted(kCaptionMargin, 0, -kCaptionMargin, 0);
}

void TButtonPanel::setLowered(bool lowered) {
    if (lowered == lowered_) return;
    lowered_ = lowered;
    setFrameShadow(lowered ? QFrame::Sunken : QFrame::Raised);
    update();
}

void TButtonPanel::setLatched(bool latched) {
    latched_ = latched;
    setLowered(latched);
}

void TButtonPanel::press() {
    setLowered(true);
    emit mouseDown(Qt::LeftButton);
    setLowered(latched_);
    emit clicked();
}

void TButtonPanel::mousePressEvent(QMouseEvent* event) {
    setLowered(true);
    TextPanel::mousePressEvent(event);
    emit mouseDown(event->button());
}

void TButtonPanel::mouseReleaseEvent(QMouseEvent* event) {
    setLowered(latched_);
    TextPanel::mouseReleaseEvent(event);
}

void TButtonPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        TextPanel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        setLowered(true);
        emit mouseDown(Qt::LeftButton);
    }
}

void TButtonPanel::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        TextPanel::keyReleaseEvent(event);
        return;
    }
    setLowered(latched_);
    emit clicked();
}

void TButtonPanel::focusInEvent(QFocusEvent* event) {
    TextPanel::focusInEvent(event);
    update();
}

void TButtonPanel::focusOutEvent(QFocusEvent* event) {
    TextPanel::focusOutEvent(event);
    update();
}

void TButtonPanel::paintEvent(QPaintEvent* event) {
    TextPanel::paintEvent(event);
    if (!hasFocus()) return;
    // The focus mark: a dotted rectangle inside the bevel.
    QPainter painter(this);
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

} // namespace orv
