#pragma once

#include <QFont>
#include <QWidget>

namespace zephrane {

// The first of the families that the machine has, alone; all of them when it
// has none. The toolkit then matches that one family for each size asked
// for, instead of trying every missing family (and asking the desktop for
// its substitutes) first.
QStringList FirstInstalledFamily(const QStringList& families);

// The classic 8-point dialog font, or the closest the desktop has.
QFont WindowFont();

// A caption drawn larger than the window's other captions (the warning
// window's heading and text) keeps this ratio to them.
void SetCaptionScale(QWidget* caption, double scale, bool bold = false);

// Gives the window one family and one size for all of its captions: the
// largest size, from 8 points down in half points, at which every caption
// fits its control, so the layout keeps its places and neighbours match.
void FitCaptions(QWidget* window);

}  // namespace zephrane
