#include "platform/qt/QtText.h"

#include <QList>

#include "platform/Cp1252.h"

namespace zephrane {

QString ToQString(const std::string& cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char c : cp1252) out += QChar(static_cast<char16_t>(Cp1252ToCodePoint(c)));
    return out;
}

std::string FromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const int byte = CodePointToCp1252(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

}  // namespace zephrane
