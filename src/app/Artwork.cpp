#include "app/Artwork.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <optional>

#include "app/Captions.h"
#include "app/ProgramInfo.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitArtworkResources() {
    Q_INIT_RESOURCE(zephrane);
}

namespace zephrane {
namespace {

// A U-boat silhouette in a box of the given width, its waterline at `waterline`.
QPainterPath BoatPath(double left, double waterline, double length) {
    const double h = length * 0.06;
    QPainterPath hull;
    hull.moveTo(left, waterline);
    hull.cubicTo(left + length * 0.05, waterline - h, left + length * 0.3, waterline - h, left + length * 0.5,
                 waterline - h);
    hull.lineTo(left + length * 0.9, waterline - h * 0.8);
    hull.lineTo(left + length, waterline - h * 0.2);
    hull.lineTo(left + length, waterline);
    hull.closeSubpath();
    QPainterPath tower;
    tower.moveTo(left + length * 0.38, waterline - h);
    tower.lineTo(left + length * 0.41, waterline - h * 2.6);
    tower.lineTo(left + length * 0.52, waterline - h * 2.6);
    tower.lineTo(left + length * 0.55, waterline - h);
    tower.closeSubpath();
    QPainterPath scope;
    scope.addRect(left + length * 0.455, waterline - h * 4.2, length * 0.008, h * 1.7);
    return hull.united(tower).united(scope);
}

QIcon ResourceIcon() {
    InitArtworkResources();
    QIcon own;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        own.addFile(QString(":/icons/zephrane-%1.png").arg(size), QSize(size, size));
    }
    return own;
}

// Hands every request on to the program's own icon, read from the resources
// when it is first drawn or measured: decoding its eight pictures is a tenth
// of a start, and a window is often shown without its icon ever being drawn
// (offscreen, on Wayland, or when the desktop's theme has the icon).
class DeferredResourceIcon final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Sizes come in device pixels: the icon underneath scales them no further.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return "zephrane-resource"; }
    QIconEngine* clone() const override { return new DeferredResourceIcon(*this); }

private:
    const QIcon& Loaded() {
        if (!icon_) icon_ = ResourceIcon();
        return *icon_;
    }

    std::optional<QIcon> icon_;
};

}  // namespace

QPixmap BannerPicture(int width, int height) {
    // Drawn at the screen's device pixel ratio, so that it stays sharp on a
    // scaled screen; `width` and `height` are in the window's own pixels.
    const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(18, 32, 58));
    sky.setColorAt(0.62, QColor(196, 112, 62));
    sky.setColorAt(0.63, QColor(24, 46, 70));
    sky.setColorAt(1.0, QColor(8, 20, 34));
    p.fillRect(QRectF(0, 0, width, height), sky);

    const double waterline = height * 0.63;
    p.setPen(QPen(QColor(255, 190, 120, 90), 1));
    for (int i = 1; i < 6; ++i) {
        const double y = waterline + i * height * 0.06;
        p.drawLine(QPointF(width * 0.52 - i * 18, y), QPointF(width * 0.9 + i * 12, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 14, 20));
    p.drawPath(BoatPath(width * 0.55, waterline, width * 0.4));

    // Named families rather than the desktop's "Serif" and "Sans Serif": the
    // toolkit finds a named family at once, and for those two names it asks
    // the desktop for its whole list of substitutes.
    QFont title;
    title.setFamilies(FirstInstalledFamily(
        {"DejaVu Serif", "Noto Serif", "Liberation Serif", "Times New Roman", "Nimbus Roman"}));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(static_cast<int>(height * 0.34));
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setFont(title);
    p.setPen(QColor(240, 228, 206));
    p.drawText(QRectF(width * 0.04, height * 0.08, width * 0.6, height * 0.45),
               Qt::AlignLeft | Qt::AlignVCenter, kProgramTitle);
    // The subtitle in the face of the window's captions.
    QFont subtitle = WindowFont();
    subtitle.setPixelSize(static_cast<int>(height * 0.11));
    p.setFont(subtitle);
    p.setPen(QColor(230, 200, 170));
    p.drawText(QRectF(width * 0.045, height * 0.5, width * 0.6, height * 0.14),
               Qt::AlignLeft | Qt::AlignVCenter, "Orders and campaign patches");
    return pixmap;
}

QIcon ProgramIcon() {
    // The installed icon of the desktop's theme first, as the menus show it.
    return QIcon::fromTheme("zephrane", QIcon(new DeferredResourceIcon));
}

}  // namespace zephrane
