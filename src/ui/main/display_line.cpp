// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "display_line.h"

#include "colour.h"
#include "qt_text.h"

#include <QFocusEvent>
#include <QFontMetrics>

#include <algorithm>

namespace orv {

DisplayLine::DisplayLine(QWidget* parent, const QString& mantissaName, const QString& exponentName,
                         const Rooms& rooms)
    : TextPanel(parent), rooms_(rooms) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);

    mantissa_ = new TextPanel(this);
    mantissa_->setObjectName(mantissaName);
    mantissa_->setGeometry(rooms.mantissa);
    mantissa_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    exponent_ = new TextPanel(this);
    exponent_->setObjectName(exponentName);
    exponent_->setAlignment(Qt::AlignLeft | (rooms.exponent ? Qt::AlignVCenter : Qt::AlignTop));
    if (rooms.exponent) exponent_->setGeometry(*rooms.exponent);
    exponent_->stackUnder(mantissa_);
    placeExponent();
    digitColour_ = mantissa_->textColour();

    // A double click anywhere on the line is one on the line.
    for (TextPanel* part : {mantissa_, exponent_})
        connect(part, &TextPanel::doubleClicked, this, &TextPanel::doubleClicked);
}

void DisplayLine::setRooms(const Rooms& rooms) {
    rooms_ = rooms;
    mantissa_->setGeometry(rooms.mantissa.left(), mantissa_->y(), rooms.mantissa.width(), mantissa_->height());
    if (rooms.exponent) exponent_->setGeometry(*rooms.exponent);
    placeExponent();
}

void DisplayLine::showNumber(const DisplayLayout& layout) {
    leaveText();
    mantissa_->setGeometry(rooms_.mantissa.left(), layout.mantissaTop, rooms_.mantissa.width(), layout.mantissaHeight);
    mantissa_->setText(fromUtf8(layout.mantissa));
    exponent_->setText(fromUtf8(layout.exponent));
    placeExponent();
    if (layout.exponentInFront)
        exponent_->raise();
    else
        exponent_->stackUnder(mantissa_);
    announce();
}

void DisplayLine::clear() {
    leaveText();
    mantissa_->setText(QString());
    exponent_->setText(QString());
    announce();
}

void DisplayLine::showText(const QString& text) {
    textShown_ = true;
    text_ = text;
    mantissa_->setGeometry(rooms_.mantissa);
    // A blank after it, as after a number, keeps it off the frame.
    const QString blank = QStringLiteral(" ");
    QFont narrowest = mantissa_->font();
    narrowest.setStretch(50);
    const QFontMetrics metrics(narrowest);
    const int room = mantissa_->contentsRect().width() - metrics.horizontalAdvance(blank);
    mantissa_->setText(metrics.elidedText(text, Qt::ElideRight, room) + blank);
    mantissa_->setTextColour(colorFromColorRef(kKeyRed));
    exponent_->setText(QString());
    placeExponent();
    announce();
}

void DisplayLine::leaveText() {
    if (!textShown_) return;
    textShown_ = false;
    text_.clear();
    mantissa_->setTextColour(digitColour_);
}

void DisplayLine::setSpeech(const QString& pattern, const QString& textPattern) {
    speech_ = pattern;
    textSpeech_ = textPattern;
    announce();
}

QString DisplayLine::spokenNumber() const {
    if (textShown_) return text_;
    QString mantissa = mantissa_->text().trimmed();
    const QString exponent = exponent_->text().trimmed();
    if (exponent.isEmpty()) return mantissa;
    if (mantissa.endsWith(QLatin1String("*10"))) mantissa.chop(3);
    return mantissa + QLatin1Char('E') + exponent;
}

// Setting a new name tells screen readers of the change; the same name again tells nothing.
void DisplayLine::announce() {
    const QString& pattern = textShown_ && !textSpeech_.isEmpty() ? textSpeech_ : speech_;
    setAccessibleName(pattern.arg(spokenNumber()));
}

void DisplayLine::setDigitColour(const QColor& colour) {
    digitColour_ = colour;
    if (!textShown_) mantissa_->setTextColour(colour);
    exponent_->setTextColour(colour);
}

void DisplayLine::setRed(bool mantissa, bool exponent) {
    if (mantissa) mantissa_->setTextColour(colorFromColorRef(kKeyRed));
    if (exponent) exponent_->setTextColour(colorFromColorRef(kKeyRed));
}

void DisplayLine::setDigitFonts(const QFont& mantissa, const QFont& exponent) {
    mantissa_->setFont(mantissa);
    exponent_->setFont(exponent);
    placeExponent();
}

void DisplayLine::placeExponent() {
    if (rooms_.exponent) return;
    // Tall as its font, so that no row of its digits is cut, and a gap away from the mantissa's
    // last digit whatever the digit font's blank is.
    const QString mantissa = mantissa_->text();
    qsizetype blanks = 0;
    while (blanks < mantissa.size() && mantissa[mantissa.size() - 1 - blanks] == QLatin1Char(' ')) ++blanks;
    QFont digits = mantissa_->font();
    const QRect area = mantissa_->contentsRect();
    // The mantissa panel condenses a text wider than itself; its blanks shrink with it.
    const int full = QFontMetrics(digits).horizontalAdvance(mantissa);
    if (full > area.width() && full > 0) digits.setStretch(std::max(50, 100 * area.width() / full));
    const int blankWidth = QFontMetrics(digits).horizontalAdvance(QString(blanks, QLatin1Char(' ')));
    constexpr int kGap = 2;
    const QRect room = contentsRect();
    const int left = std::min(mantissa_->x() + area.x() + area.width() - blankWidth + kGap, room.right());
    const QFontMetrics small(exponent_->font());
    exponent_->setGeometry(left, room.top(), room.right() + 1 - left,
                           std::min(small.ascent() + small.descent(), room.height()));
}

void DisplayLine::setFocusable(FocusMark mark) {
    focusMark_ = mark;
    setFocusPolicy(Qt::StrongFocus);
}

void DisplayLine::focusInEvent(QFocusEvent* event) {
    TextPanel::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    showFocusFrame(focusMark_ == FocusMark::Always || reason == Qt::TabFocusReason ||
                   reason == Qt::BacktabFocusReason || window()->testAttribute(Qt::WA_KeyboardFocusChange));
}

void DisplayLine::focusOutEvent(QFocusEvent* event) {
    TextPanel::focusOutEvent(event);
    showFocusFrame(false);
}

void DisplayLine::showFocusFrame(bool focused) {
    setFrameStyle(focused ? QFrame::Box | QFrame::Plain : QFrame::Panel | QFrame::Sunken);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, focused ? p.color(QPalette::Highlight) : p.color(QPalette::Dark));
    setPalette(p);
}

} // namespace orv
