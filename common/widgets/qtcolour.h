#pragma once
// Colour values to Qt colours: system colours map to roles of the application's palette.
#include "common/colour.h"
#include <QColor>
#include <QPalette>

namespace common {

QColor toQColor(ColourValue value, const QPalette& palette = QPalette());
ColourValue fromQColor(const QColor& colour);

} // namespace common
