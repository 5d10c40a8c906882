// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

namespace orv {

// The one orange error hint of the program. Shown under a control; the next key-down, typed
// character, mouse-button-down, double-click, wheel, menu command or application (de)activation
// hides it while that input still goes on to act. Key-up, button-up and mouse moves do not.
class TErrorHintWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWrapWidth = 298;
    static constexpr int kBackground = 0x4080FF; // 0x00BBGGRR
    static constexpr int kFrame = 0x000080;

    explicit TErrorHintWindow(QWidget* parent = nullptr);

    // Shows (or moves and re-texts) the hint 6 px right of the control's left edge and 1 px
    // below its bottom edge. The control takes the keyboard focus if Tab reaches it; otherwise the
    // focus stays where it is. Screen readers hear the text as an alert.
    void showHint(QWidget* control, const QString& text);
    void hideHint();
    QString text() const { return text_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    bool filtering_ = false;
    int showings_ = 0;
    // A shortcut check while shown, and whether a key press has followed it since.
    struct PendingShortcut {
        QKeyCombination key;
        bool pressSeen = false;
    };
    std::optional<PendingShortcut> pendingShortcut_;
};

} // namespace orv
