// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// What the engine shows through the main window: the display, the memory line and its register,
// the operation sign, the red state, the error hint and the bell.
#include "calculator_window.h"

#include "colour.h"
#include "qt_text.h"
#include "register_row.h"

#include <QApplication>

namespace orv {

void TCalculator::showDisplay(const DisplayLayout& layout) {
    pnOut->showNumber(layout);
}

void TCalculator::showMemoryLine(const DisplayLayout& layout) {
    pnMHist->showNumber(layout);
}

void TCalculator::showSelectedRegister(int registerNumber, std::string_view label) {
    pnMemory->setSelected(registerNumber);
    Panel15->setText(fromUtf8(label));
    pnMHist->setSpeech(Panel15->text() + QStringLiteral("%1"));
}

void TCalculator::showSign(std::string_view sign) {
    pnSSS->setText(fromUtf8(sign));
}

void TCalculator::setDisplayRed(bool mantissa, bool exponent) {
    pnOut->setRed(mantissa, exponent);
}

void TCalculator::restoreDisplayColours(bool frameToo) {
    const QColor digits = colorFromColorRef(mapper_.MapStandardColor(settings_.DigitColor));
    pnOut->setDigitColour(digits);
    if (frameToo)
        pnOut->setTextColour(colorFromColorRef(
            mapper_.MapStandardColor(store_.readInteger(value::RIndFontColor, Settings{}.DigitColor))));
}

void TCalculator::showErrorHint(HintTarget, std::string_view text) {
    showDisplayHint(fromUtf8(text));
}

// The hint gives the focus to a control Tab reaches that it is shown under. The display is one,
// but the user may be at a key pressed with Space, and the hint is read out wherever the focus is.
void TCalculator::showDisplayHint(const QString& text) {
    const Qt::FocusPolicy policy = pnOut->focusPolicy();
    if (!pnOut->hasFocus()) pnOut->setFocusPolicy(Qt::ClickFocus);
    errorHint_->showHint(pnOut, text);
    pnOut->setFocusPolicy(policy);
}

void TCalculator::beep() {
    QApplication::beep();
}

} // namespace orv
