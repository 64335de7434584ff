#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace zephrane {

double ScreenScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0 * ScreenScale()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace zephrane
