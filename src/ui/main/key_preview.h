// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator_view.h"

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <functional>

class QKeyEvent;
class QWidget;

namespace orv {

// The main window's keyboard, seen before any control: key-down codes and typed characters
// mapped to the keypad's keys (letters by their physical key), every key shown released at the
// next key-up. The window's own platform window is watched; changing window flags (stay-on-top)
// can replace it, so the watch follows.
class KeyPreview : public QObject {
  public:
    explicit KeyPreview(QWidget& window);

    // Watches the window's platform window as it is now.
    void follow();

    std::function<void(KeypadKey key)> press;
    std::function<void()> releaseAll;
    // Ctrl+C is MC here, where every other program copies: the first time in a run, say so.
    std::function<void()> firstCtrlC;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormKeyDown(const QKeyEvent& event);
    void FormKeyPress(const QKeyEvent& event);
    int keypadKeyCode(const QKeyEvent& event) const;

    QWidget& window_;
    QPointer<QWindow> watched_;
    bool ctrlCSaid_ = false;
};

} // namespace orv
