#pragma once

#include <QRect>

namespace zephrane {

// Layouts are given in twips: 15 twips make one pixel at 96 dots per inch,
// scaled with the screen's dots per inch.
double ScreenScale();
int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);

}  // namespace zephrane
