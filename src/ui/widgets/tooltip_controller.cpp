// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tooltip_controller.h"

#include "colour.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

namespace orv {
namespace {

constexpr int kPaddingX = 8, kPaddingY = 4;
constexpr qreal kRadius = 8;

QFont balloonFont() {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    return f;
}

QPainterPath balloonOutline(const QRectF& area) {
    QPainterPath path;
    path.addRoundedRect(area, kRadius, kRadius);
    return path;
}

} // namespace

THintBalloon::THintBalloon()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("HintBalloon"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(balloonFont());
}

void THintBalloon::setHintText(const QString& text) {
    text_ = text;
    const QSize textSize = fontMetrics().size(0, text_);
    resize(textSize.width() + 2 * kPaddingX, textSize.height() + 2 * kPaddingY);
    update();
}

void THintBalloon::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Without a compositor a translucent corner would show black; a mask rounds it instead.
    setMask(QRegion(balloonOutline(QRectF(rect()).adjusted(0, 0, 1, 1)).toFillPolygon().toPolygon()));
}

void THintBalloon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colorFromColorRef(kFrame), 1));
    painter.setBrush(colorFromColorRef(kFill));
    painter.drawPath(balloonOutline(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(kPaddingX, kPaddingY, -kPaddingX, -kPaddingY),
                     Qt::AlignLeft | Qt::AlignVCenter, text_);
}

QWidget* hintedControlAt(const QPoint& globalPos) {
    for (QWidget* w = QApplication::widgetAt(globalPos); w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

TooltipController::TooltipController(QObject* parent) : QObject(parent), balloon_(new THintBalloon) {
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, &TooltipController::showPending);
    connect(&hideTimer_, &QTimer::timeout, this, &TooltipController::hideHint);
    qApp->installEventFilter(this);
}

TooltipController::~TooltipController() {
    qApp->removeEventFilter(this);
    delete balloon_;
}

void TooltipController::pointerMoved(const QPoint& globalPos) {
    pointer_ = globalPos;
    QWidget* control = hintedControlAt(globalPos);
    if (shown_) {
        if (control == shown_) return; // still on the control whose hint shows
        hideHint();
        pending_ = control;
        if (control) showTimer_.start(kNextDelay);
        return;
    }
    // Resting is measured from the last move.
    pending_ = control;
    if (control) showTimer_.start(kShowDelay);
    else showTimer_.stop();
}

void TooltipController::showPending() {
    if (!pending_ || !pending_->isVisible() || pending_->toolTip().isEmpty()) return;
    shown_ = pending_;
    balloon_->setHintText(shown_->toolTip());
    QPoint at = pointer_ + QPoint(2, 20);
    if (const QScreen* screen = QGuiApplication::screenAt(pointer_)) {
        const QRect room = screen->availableGeometry();
        at.setX(std::min(at.x(), room.right() - balloon_->width()));
        if (at.y() + balloon_->height() > room.bottom()) at.setY(pointer_.y() - balloon_->height() - 4);
    }
    balloon_->move(at);
    balloon_->show();
    balloon_->raise();
    hideTimer_.start(kHideDelay);
}

void TooltipController::hideHint() {
    hideTimer_.stop();
    showTimer_.stop();
    balloon_->hide();
    shown_ = nullptr;
}

bool TooltipController::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // the toolkit's own tooltip would show with its own look and timing
    case QEvent::MouseMove:
        // Every pointer move reaches the platform window first, whether or not a control
        // tracks the mouse.
        if (qobject_cast<QWindow*>(watched)) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons() == Qt::NoButton) pointerMoved(move->globalPosition().toPoint());
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (qobject_cast<QWindow*>(watched)) {
            hideHint();
            pending_ = nullptr;
        }
        break;
    case QEvent::Leave:
        if (auto* window = qobject_cast<QWindow*>(watched); window && !shown_) {
            showTimer_.stop();
            pending_ = nullptr;
        }
        break;
    default: break;
    }
    return false;
}

} // namespace orv
