#include "platform/qt/QtText.h"

#include <QList>

#include "platform/Unicode.h"

namespace zephrane {

QString ToQString(const std::string& text) {
    const std::u32string unicode = TextToUnicode(text);
    return QString::fromUcs4(unicode.data(), static_cast<qsizetype>(unicode.size()));
}

std::string FromQString(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    return UnicodeToText(std::u32string(ucs4.begin(), ucs4.end()));
}

}  // namespace zephrane
