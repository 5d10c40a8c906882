// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "error_hint_window.h"

#include "colour.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace orv {

namespace {

// A key press reaches its platform window first and is then passed on to the focused control.
// Only the first delivery counts: a hint that the key itself shows (the main window acts on keys
// at the platform window) must survive the key's onward delivery.
bool dismissesHint(const QObject* receiver, QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
        return receiver->isWindowType();
    case QEvent::ShortcutOverride: // sent before the key press; a menu shortcut never becomes one
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::TabletPress:
    case QEvent::TouchBegin:
    case QEvent::Wheel:
    case QEvent::ApplicationActivate:
    case QEvent::ApplicationDeactivate:
    case QEvent::ApplicationStateChange:
        return true;
    default:
        return false;
    }
}

constexpr int kWidthPadding = 6;
constexpr int kHeightPadding = 4;
constexpr int kTextInset = 2;

} // namespace

TErrorHintWindow::TErrorHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("TErrorHintWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromColorRef(kBackground));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void TErrorHintWindow::showHint(QWidget* control, const QString& text) {
    text_ = text;
    const QRect textRect =
        fontMetrics().boundingRect(QRect(0, 0, kWrapWidth, 0x7FFF), Qt::TextWordWrap, text);
    resize(textRect.width() + kWidthPadding, textRect.height() + kHeightPadding);
    if (control) {
        if (control->isVisible()) control->setFocus(Qt::OtherFocusReason);
        move(control->mapToGlobal(QPoint(0, control->height())) + QPoint(6, 1));
    }
    // The filter goes in once per showing: a new text while shown keeps the one already there.
    if (!filtering_) {
        qApp->installEventFilter(this);
        filtering_ = true;
    }
    show();
    raise();
    update();
    // Screen readers announce the message as an alert.
    setAccessibleName(text);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TErrorHintWindow::hideHint() {
    if (filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
    hide();
}

bool TErrorHintWindow::eventFilter(QObject* watched, QEvent* event) {
    if (filtering_ && dismissesHint(watched, event->type())) hideHint();
    return QWidget::eventFilter(watched, event); // the input still goes on to its receiver
}

void TErrorHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(colorFromColorRef(kFrame));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

} // namespace orv
