#pragma once

#include "text_panel.h"

namespace orv {

// A panel that looks and acts like a push button, except that it acts the moment any mouse
// button goes down: the bevel is lowered, then `mouseDown` fires; mouse-up raises it again.
class TButtonPanel : public TextPanel {
    Q_OBJECT
  public:
    explicit TButtonPanel(QWidget* parent = nullptr);

    void setLowered(bool lowered);
    bool isLowered() const { return lowered_; }

  signals:
    void mouseDown(Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QPointF contentOffset() const override { return lowered_ ? QPointF(1, 1) : QPointF(); }

  private:
    bool lowered_ = false;
};

} // namespace orv
