// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "text_panel.h"

namespace orv {

// A panel that looks and acts like a push button, except that it acts the moment any mouse
// button goes down: the bevel is lowered, then `mouseDown` fires; mouse-up raises it again.
// Tab reaches it (a click does not take the focus from a text field), Space presses it, and
// screen readers see a push button with a Press action.
class TButtonPanel : public TextPanel {
    Q_OBJECT
  public:
    explicit TButtonPanel(QWidget* parent = nullptr);

    void setLowered(bool lowered);
    bool isLowered() const { return lowered_; }
    // The look at rest: a latched key (the selected memory register) stays lowered.
    void setLatched(bool latched);

    // Everything a click with the left button does: `mouseDown`, then `clicked`.
    void press();

  signals:
    void mouseDown(Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QPointF contentOffset() const override { return lowered_ ? QPointF(1, 1) : QPointF(); }
    QRect textArea() const override;

  private:
    bool lowered_ = false;
    bool latched_ = false;
};

} // namespace orv
