#pragma once

#include <QString>
#include <string>

namespace zephrane {

// Widgets show the program's Windows-1252 text; every byte 0-255 comes back
// unchanged from a widget.
QString ToQString(const std::string& cp1252);
std::string FromQString(const QString& text);

}  // namespace zephrane
