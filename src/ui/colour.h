#pragma once

#include <QColor>

namespace orv {

// Stored colours are 0x00BBGGRR (red in the low byte); every QColor of a stored or designed
// colour is built here.
QColor colorFromColorRef(int colorRef);

} // namespace orv
