#pragma once

#include <QString>
#include <string>

namespace zephrane {

// Widgets show the program's text: Windows-1252, with the names it cannot
// hold in UTF-8 (platform/Unicode.h). A text the program made comes back
// unchanged from a widget.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

}  // namespace zephrane
