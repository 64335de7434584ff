#include "app/Captions.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <climits>

namespace zephrane {
namespace {

constexpr double kLargestSize = 8;
constexpr double kSmallestSize = 5;

double CaptionScale(const QWidget* w) {
    const QVariant scale = w->property("captionScale");
    return scale.isValid() ? scale.toDouble() : 1.0;
}

QFont CaptionFont(const QFont& windowFont, const QWidget* w) {
    QFont font = windowFont;
    font.setPointSizeF(windowFont.pointSizeF() * CaptionScale(w));
    font.setBold(w->property("captionBold").toBool());
    return font;
}

// Room a control needs beside its caption: the check mark or radio circle
// of the option controls, the bevel of a button.
int CaptionPadding(const QWidget* w) {
    const QStyle* style = w->style();
    if (qobject_cast<const QCheckBox*>(w)) {
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) + 2;
    }
    if (qobject_cast<const QRadioButton*>(w)) {
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) + 2;
    }
    if (qobject_cast<const QPushButton*>(w))
        return 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
    if (qobject_cast<const QGroupBox*>(w)) return 16;
    return 0;
}

QString CaptionOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    return {};
}

bool CaptionFits(const QWidget* w, const QFont& font) {
    const QString caption = CaptionOf(w);
    if (caption.isEmpty()) return true;
    const QFontMetrics metrics(font);
    if (auto* label = qobject_cast<const QLabel*>(w); label && label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, w->width(), INT_MAX),
                                                  Qt::TextWordWrap | label->alignment(), caption);
        return needed.width() <= w->width() && needed.height() <= w->height();
    }
    return metrics.horizontalAdvance(caption) + CaptionPadding(w) <= w->width();
}

QStringList WindowFamilies() {
    static const QStringList families =
        FirstInstalledFamily({"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Liberation Sans",
                              "Nimbus Sans", "DejaVu Sans Condensed", "DejaVu Sans"});
    return families;
}

bool AllCaptionsFit(const QWidget* window, const QFont& windowFont) {
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!CaptionFits(w, CaptionFont(windowFont, w))) return false;
    }
    return true;
}

}  // namespace

QStringList FirstInstalledFamily(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        for (const QString& have : installed) {
            // A family that several foundries make is listed as "Family [Foundry]".
            if (have.compare(family, Qt::CaseInsensitive) == 0 ||
                have.startsWith(family + " [", Qt::CaseInsensitive))
                return {family};
        }
    }
    return families;
}

QFont WindowFont() {
    QFont font;
    font.setFamilies(WindowFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kLargestSize);
    return font;
}

void SetCaptionScale(QWidget* caption, double scale, bool bold) {
    caption->setProperty("captionScale", scale);
    caption->setProperty("captionBold", bold);
}

void FitCaptions(QWidget* window) {
    QFont font = WindowFont();
    while (font.pointSizeF() > kSmallestSize && !AllCaptionsFit(window, font)) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    window->setFont(font);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (CaptionScale(w) != 1.0 || w->property("captionBold").toBool()) w->setFont(CaptionFont(font, w));
    }
}

}  // namespace zephrane
