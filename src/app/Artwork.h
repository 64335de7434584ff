#pragma once

#include <QIcon>
#include <QPixmap>

namespace zephrane {

// The banner across the top of the main window: a U-boat at dusk under the
// program's name.
QPixmap BannerPicture(int width, int height);
QIcon ProgramIcon();

}  // namespace zephrane
