// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QFrame>
#include <QString>
#include <QTextOption>

#include <functional>

class QPainter;

namespace orv {

// A panel with one line of text. Unlike QLabel it keeps trailing blanks when right-justified:
// the display reserves room for its raised exponent with them.
class TextPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TextPanel(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    void setAlignment(Qt::Alignment alignment);
    void setTextColour(const QColor& colour);
    QColor textColour() const;
    void setBackground(const QColor& colour);
    QColor background() const;
    // A picture drawn instead of text, scaled to the panel (vector, so crisp at any scale).
    void setPicture(std::function<void(QPainter&, const QRectF&)> picture);
    bool hasPicture() const { return bool(picture_); }
    // The font the text is painted in: the panel's own, condensed where the text would not fit.
    QFont paintedFont() const;

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Shifts the contents while a key is held, as a pressed button does.
    virtual QPointF contentOffset() const { return {}; }
    // Where the text or picture goes. A margin for the caption belongs here, not in the contents
    // margins: those are where QFrame keeps its frame, and overriding them moves the frame out of
    // the panel.
    virtual QRect textArea() const { return contentsRect(); }
    // The frame, with edges that show against the panel's own fill.
    void drawEdges(QPainter& painter) const;

  private:
    QTextOption textOption() const;

    QString text_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    std::function<void(QPainter&, const QRectF&)> picture_;
    bool pressedInside_ = false;
};

} // namespace orv
