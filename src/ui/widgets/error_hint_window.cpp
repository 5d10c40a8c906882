// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "error_hint_window.h"

#include <algorithm>

#include "colour.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
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

// Screen readers see the hint as an alert whose name is the message. A hint of several lines
// (an evaluation's diagnostics, the cause first) is named by its first and describes the rest.
class ErrorHintAccessible : public QAccessibleWidget {
  public:
    explicit ErrorHintAccessible(TErrorHintWindow* hint)
        : QAccessibleWidget(hint, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        const QString message = static_cast<TErrorHintWindow*>(widget())->text();
        const qsizetype lineEnd = message.indexOf(QLatin1Char('\n'));
        if (t == QAccessible::Name) return lineEnd < 0 ? message : message.left(lineEnd);
        if (t == QAccessible::Description) return lineEnd < 0 ? QString() : message.mid(lineEnd + 1);
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* hintInterface(const QString&, QObject* object) {
    if (auto* hint = qobject_cast<TErrorHintWindow*>(object)) return new ErrorHintAccessible(hint);
    return nullptr;
}

// Only a control that Tab reaches may take the focus: from any other the keyboard could not get
// back to where the user was (the display, or a frame that takes the focus on a click only).
bool reachedByTab(const QWidget* control) {
    const QWidget* target = control->focusProxy() ? control->focusProxy() : control;
    return control->isVisible() && target->isEnabled() &&
           (target->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

constexpr int kWidthPadding = 6;
constexpr int kMinWrapWidth = 120;
constexpr int kHeightPadding = 4;
constexpr int kTextInset = 2;

} // namespace

TErrorHintWindow::TErrorHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("TErrorHintWindow"));
    static const bool accessible = [] {
        QAccessible::installFactory(hintInterface);
        return true;
    }();
    (void)accessible;
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromColorRef(kBackground));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void TErrorHintWindow::showHint(QWidget* control, const QString& text) {
    text_ = text;
    int wrapWidth = kWrapWidth;
    QPoint at;
    if (control) {
        at = control->mapToGlobal(QPoint(0, control->height())) + QPoint(6, 1);
        // Within the window it speaks for, so that the window beside it (the tape) stays readable.
        const int room = control->window()->geometry().right() + 1 - at.x() - kWidthPadding;
        wrapWidth = std::clamp(room, kMinWrapWidth, kWrapWidth);
    }
    const QRect textRect =
        fontMetrics().boundingRect(QRect(0, 0, wrapWidth, 0x7FFF), Qt::TextWordWrap, text);
    resize(textRect.width() + kWidthPadding, textRect.height() + kHeightPadding);
    if (control) {
        if (reachedByTab(control)) control->setFocus(Qt::OtherFocusReason);
        move(at);
    }
    ++showings_;
    pendingShortcut_.reset();
    // The filter goes in once per showing: a new text while shown keeps the one already there.
    if (!filtering_) {
        qApp->installEventFilter(this);
        filtering_ = true;
    }
    show();
    raise();
    update();
    // Screen readers announce an alert as it shows, and a new message on the shown hint is shown
    // anew. The toolkit says nothing of a tooltip window showing, so it is said here.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TErrorHintWindow::hideHint() {
    pendingShortcut_.reset();
    if (filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
    hide();
}

bool TErrorHintWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!filtering_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // The check comes before its key's press, which hides the hint at the window; a shortcut's
        // key never becomes a press, so the hint goes once the shortcut has acted. A screen
        // reader's bridge passes keys on late, and from inside the press that may have shown the
        // hint: its check is then followed by that press going on to a control, not as the
        // system's own.
        if (!pendingShortcut_ || pendingShortcut_->pressSeen) {
            pendingShortcut_ = PendingShortcut{static_cast<const QKeyEvent*>(event)->keyCombination()};
            QMetaObject::invokeMethod(
                this,
                [this, showing = showings_] {
                    if (pendingShortcut_ && showing == showings_) hideHint();
                },
                Qt::QueuedConnection);
        }
    } else if (event->type() == QEvent::KeyPress && !watched->isWindowType()) {
        if (pendingShortcut_ && !pendingShortcut_->pressSeen) {
            const QKeyCombination key = static_cast<const QKeyEvent*>(event)->keyCombination();
            const bool late = !event->spontaneous() && key == pendingShortcut_->key;
            if (late) pendingShortcut_.reset();
            else pendingShortcut_->pressSeen = true;
        }
    } else if (dismissesHint(watched, event->type())) {
        hideHint();
    }
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
