// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace orv {

// The balloon every hint of the program is shown in: pale yellow inside an azure frame, black
// 8-point text.
class THintBalloon : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kFill = 0x33FFFF;  // 0x00BBGGRR
    static constexpr int kFrame = 0xFF8000; // 0x00BBGGRR

    THintBalloon();
    void setHintText(const QString& text);
    QString hintText() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QString text_;
};

// Shows the hints of every window of the program with one look and one timing: a hint appears
// when the pointer has rested on a control for 1500 ms and goes after 2500 ms; moving on to
// another control while a hint shows brings the next one after 25 ms. The toolkit's own tooltips
// are suppressed.
class TooltipController : public QObject {
    Q_OBJECT
  public:
    static constexpr int kShowDelay = 1500;
    static constexpr int kHideDelay = 2500;
    static constexpr int kNextDelay = 25;

    explicit TooltipController(QObject* parent = nullptr);
    ~TooltipController() override;

    const THintBalloon& balloon() const { return *balloon_; }
    // The control whose hint is showing, if any.
    QWidget* shownFor() const { return shown_; }
    // The control the next hint will be for, if a hint is due.
    QWidget* pendingFor() const { return pending_; }
    int pendingDelay() const { return showTimer_.isActive() ? showTimer_.interval() : -1; }

    // The pointer moved to a global position (the event filter calls this; tests may too).
    void pointerMoved(const QPoint& globalPos);
    void hideHint();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPending();

    THintBalloon* balloon_;
    QTimer showTimer_;
    QTimer hideTimer_;
    QPointer<QWidget> pending_;
    QPointer<QWidget> shown_;
    QPoint pointer_;
};

// The control with a hint at a point: the widget there or its nearest ancestor with one.
QWidget* hintedControlAt(const QPoint& globalPos);

} // namespace orv
