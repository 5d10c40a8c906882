// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "display_layout.h"
#include "text_panel.h"

#include <QRect>

#include <optional>

namespace orv {

// A line of digits in a sunken frame, as the main display, the memory line and the Evaluator's
// result show a number: the mantissa right-justified, its exponent raised beside it, either in red
// after a failure, and the whole read out to a screen reader as "1.5E20".
class DisplayLine : public TextPanel {
    Q_OBJECT
  public:
    struct Rooms {
        QRect mantissa; // its top and height follow each number: a long one is set smaller
        // A room of its own for the exponent; without one it stands raised in the blanks the
        // mantissa leaves after its "*10", from the top of the line.
        std::optional<QRect> exponent;
    };

    DisplayLine(QWidget* parent, const QString& mantissaName, const QString& exponentName, const Rooms& rooms);

    // New rooms, as when the line widens; the number on show keeps its height.
    void setRooms(const Rooms& rooms);

    TextPanel* mantissaPanel() const { return mantissa_; }
    TextPanel* exponentPanel() const { return exponent_; }

    void showNumber(const DisplayLayout& layout);
    // No number at all, while one is being worked out.
    void clear();
    // Why there is no number, in its place: red, as a failed calculation is, and shortened with
    // "…" where even condensed it would not fit. The next number takes the digit colour back.
    void showText(const QString& text);
    // The accessible name: `pattern` with the number where "%1" stands ("M3=%1", "Result: %1"),
    // and `textPattern` with the text shown instead of one (the pattern itself when empty).
    void setSpeech(const QString& pattern, const QString& textPattern = {});
    // The number as a screen reader says it: the mantissa without its "*10", "E", the exponent;
    // or the whole text shown in its place.
    QString spokenNumber() const;

    void setDigitColour(const QColor& colour);
    void setRed(bool mantissa, bool exponent);
    // Both fonts at once, so that a raised exponent is placed for the new mantissa face.
    void setDigitFonts(const QFont& mantissa, const QFont& exponent);
    // The line takes the keyboard focus and shows it by a plain frame in the highlight colour:
    // always, or only once the keyboard has moved the focus in its window (a line that holds the
    // focus from the start would otherwise never look as designed to a mouse user).
    enum class FocusMark { Always, AfterKeyboard };
    void setFocusable(FocusMark mark = FocusMark::Always);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void placeExponent();
    void announce();
    void showFocusFrame(bool focused);
    void leaveText();

    Rooms rooms_;
    TextPanel* mantissa_ = nullptr;
    TextPanel* exponent_ = nullptr;
    QString speech_ = QStringLiteral("%1");
    QString textSpeech_;
    QColor digitColour_;
    bool textShown_ = false;
    FocusMark focusMark_ = FocusMark::Always;
    QString text_; // shown in place of a number
};

} // namespace orv
