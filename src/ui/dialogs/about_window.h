// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <QTimer>

class QPushButton;

namespace orv {

class TCalculator;

// A text panel whose centred lines move up through it, one pixel a step, starting again from
// the bottom once the whole text has passed. The lines are labels, so they can be selected and
// read out; a selection holds the text still until it is cleared.
class CreditsScroller : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStepMs = 30;

    CreditsScroller(const QStringList& lines, QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    QList<QLabel*> lineLabels() const { return labels_; }
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    int offset() const { return offset_; }
    void setColours(const QColor& background, const QColor& text);
    // The height of all lines together: one loop is this plus the panel's height.
    int textHeight() const;
    void step();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeLines();

    QList<QLabel*> labels_;
    QTimer timer_;
    int offset_ = 0; // pixels the text has moved since it entered at the bottom
};

// A link label: navy, turning red with a pointing hand under the mouse; a click, or Enter or
// Space while it has the keyboard focus, opens it.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);
    void setHighlighted(bool on);

  signals:
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The About window: product, version and the maker's addresses over a looping credits scroll in
// the display's colours, in English or Russian.
class TAbout : public QDialog {
    Q_OBJECT
  public:
    // The designed 338 x 203 is the outer size of a window with a caption and thin borders; the
    // window manager draws those here, around this client area.
    static constexpr int kWidth = 332;
    static constexpr int kHeight = 178;

    explicit TAbout(const TCalculator& calculator, QWidget* parent = nullptr);

    // The credits in language 0 (English) or 1 (Russian).
    static QStringList creditLines(int language = 0);
    CreditsScroller* scroller() const { return spAbout; }

    // Replaces the caption, the credits and the spoken names; any language but 0 and 1 changes
    // nothing.
    void SetLang(int language);

    void bb1Click();
    void RxlbURLClick();
    void RxlbMailClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const TCalculator& calculator_;
    CreditsScroller* spAbout = nullptr;
    LinkLabel* RxlbURL = nullptr;
    LinkLabel* RxlbMail = nullptr;
    QPushButton* bb1 = nullptr;
};

} // namespace orv
