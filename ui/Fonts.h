// The font every text is drawn in: Tahoma bold with a Chinese face as fallback, both shipped
// with the program (see Resources) so the window looks the same on every machine.
#pragma once

#include <QFont>

namespace ampora::ui {

// Tahoma bold at a point size of the 96 dpi layout.
QFont windowFont(double points);

} // namespace ampora::ui
