#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "app/ProgramInfo.h"

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

}  // namespace

QPixmap BannerPicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(18, 32, 58));
    sky.setColorAt(0.62, QColor(196, 112, 62));
    sky.setColorAt(0.63, QColor(24, 46, 70));
    sky.setColorAt(1.0, QColor(8, 20, 34));
    p.fillRect(pixmap.rect(), sky);

    const double waterline = height * 0.63;
    p.setPen(QPen(QColor(255, 190, 120, 90), 1));
    for (int i = 1; i < 6; ++i) {
        const double y = waterline + i * height * 0.06;
        p.drawLine(QPointF(width * 0.52 - i * 18, y), QPointF(width * 0.9 + i * 12, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 14, 20));
    p.drawPath(BoatPath(width * 0.55, waterline, width * 0.4));

    QFont title("Serif");
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(static_cast<int>(height * 0.34));
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setFont(title);
    p.setPen(QColor(240, 228, 206));
    p.drawText(QRectF(width * 0.04, height * 0.08, width * 0.6, height * 0.45),
               Qt::AlignLeft | Qt::AlignVCenter, kProgramTitle);
    QFont subtitle("Sans Serif");
    subtitle.setStyleHint(QFont::SansSerif);
    subtitle.setPixelSize(static_cast<int>(height * 0.11));
    p.setFont(subtitle);
    p.setPen(QColor(230, 200, 170));
    p.drawText(QRectF(width * 0.045, height * 0.5, width * 0.6, height * 0.14),
               Qt::AlignLeft | Qt::AlignVCenter, "Orders and campaign patches");
    return pixmap;
}

QIcon ProgramIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 46, 70));
    p.drawEllipse(QRectF(2, 2, 60, 60));
    p.setBrush(QColor(240, 228, 206));
    p.drawPath(BoatPath(8, 42, 48));
    return QIcon(pixmap);
}

}  // namespace zephrane
