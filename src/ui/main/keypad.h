// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "button_panel.h"
#include "calculator_view.h"

#include <QWidget>

#include <array>
#include <string>

namespace orv {

// The 27 keys of the pocket keypad (pnSimple), built from the keypad table. A key pressed by the
// mouse is only reported: the window runs it, as it runs one typed on the keyboard.
class Keypad : public QWidget {
    Q_OBJECT
  public:
    // The decimal key shows the display's own decimal mark.
    Keypad(QWidget* parent, const std::string& decimalSeparator);

    TButtonPanel* key(KeypadKey which) const { return keys_[static_cast<std::size_t>(which)]; }
    void releaseAll();

  signals:
    void keyPressed(orv::KeypadKey key);

  private:
    std::array<TButtonPanel*, kKeypadKeyCount> keys_{};
};

// The sans-serif the operator signs are drawn in, on the keys and beside the display.
QFont operatorFont(int pointSize, bool bold);

} // namespace orv
