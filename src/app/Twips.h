#pragma once

#include <QRect>
#include <QWidget>

namespace zephrane {

// Layouts are given in twips: 15 twips make one pixel at 96 dots per inch,
// scaled with the screen's dots per inch, and scaled down further when the
// main window would not fit the screen's available area (a small screen, a
// large scale factor).
double ScreenScale();
int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// Places the window, title bar included, in the middle of the screen's
// available area, never above or left of it.
void CentreOnScreen(QWidget* window);

}  // namespace zephrane
