#pragma once

#include <QFont>
#include <QWidget>

namespace zephrane {

// The classic 8-point dialog font, or the closest the desktop has.
QFont WindowFont();

// Captions wider than their control get a smaller font, down to 6 points, so
// the layout keeps its places and every caption stays readable.
void FitCaptions(QWidget* window);

}  // namespace zephrane
