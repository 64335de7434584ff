#include "app/Captions.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zephrane {
namespace {

// Room a control needs beside its caption: the check mark or radio circle
// of the option controls, the bevel of a button.
int CaptionPadding(const QWidget* w) {
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) return 22;
    if (qobject_cast<const QPushButton*>(w)) return 8;
    return 0;
}

void FitCaption(QWidget* w, const QString& caption) {
    QFont font = w->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(caption) + CaptionPadding(w) > w->width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    w->setFont(font);
}

}  // namespace

QFont WindowFont() {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Nimbus Sans",
                      "DejaVu Sans Condensed", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

void FitCaptions(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && label->pixmap().isNull()) {
            FitCaption(label, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            FitCaption(button, button->text());
        }
    }
}

}  // namespace zephrane
