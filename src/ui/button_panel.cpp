#include "button_panel.h"

#include <QMouseEvent>

namespace orv {

TButtonPanel::TButtonPanel(QWidget* parent) : TextPanel(parent) {
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
}

void TButtonPanel::setLowered(bool lowered) {
    if (lowered == lowered_) return;
    lowered_ = lowered;
    setFrameShadow(lowered ? QFrame::Sunken : QFrame::Raised);
    update();
}

void TButtonPanel::mousePressEvent(QMouseEvent* event) {
    setLowered(true);
    TextPanel::mousePressEvent(event);
    emit mouseDown(event->button());
}

void TButtonPanel::mouseReleaseEvent(QMouseEvent* event) {
    setLowered(false);
    TextPanel::mouseReleaseEvent(event);
}

} // namespace orv
