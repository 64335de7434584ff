#include "app/Twips.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace zephrane {
namespace {

// The main window's client area, the largest layout of the program.
constexpr double kMainWidthTwips = 7860;
constexpr double kMainHeightTwips = 9195;

// Room the window manager's title bar and borders take around a window; the
// window is not shown yet when the layout is made, so it is estimated.
QSize WindowChrome() {
    const int titleBar = std::max(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight), 32);
    return QSize(8, titleBar + 8);
}

double DotsPerInchScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

// 1, or less when the main window with its chrome would not fit the
// available area.
double FitScale(double dpiScale) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1.0;
    const QRect area = screen->availableGeometry();
    const QSize chrome = WindowChrome();
    const double width = kMainWidthTwips / 15.0 * dpiScale;
    const double height = kMainHeightTwips / 15.0 * dpiScale;
    const double fit =
        std::min((area.width() - chrome.width()) / width, (area.height() - chrome.height()) / height);
    return std::clamp(fit, 0.25, 1.0);
}

}  // namespace

double ScreenScale() {
    // Computed once, so that every window of a run shares one scale.
    static const double scale = [] {
        const double dpiScale = DotsPerInchScale();
        return dpiScale * FitScale(dpiScale);
    }();
    return scale;
}

int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0 * ScreenScale()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize chrome = WindowChrome();
    const int outerWidth = window->width() + chrome.width();
    const int outerHeight = window->height() + chrome.height();
    window->move(area.x() + std::max(0, (area.width() - outerWidth) / 2),
                 area.y() + std::max(0, (area.height() - outerHeight) / 2));
}

}  // namespace zephrane
