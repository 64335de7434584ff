#include "gamefiles/LineReader.h"

#include "platform/TextFile.h"

namespace zephrane {

LineReader LineReader::OverText(std::string_view bytes) {
    LineReader reader;
    reader.text_ = bytes.substr(ByteOrderMark(bytes).size());
    return reader;
}

std::string_view LineReader::NextOfText() {
    const std::size_t stop = LineEndAt(text_, next_);
    const std::string_view line = text_.substr(next_, stop - next_);
    const bool crLf = stop + 1 < text_.size() && text_[stop] == '\r' && text_[stop + 1] == '\n';
    next_ = stop + (crLf ? 2 : 1);
    return line;
}

bool LineReader::Next(std::string& line) {
    std::string_view view;
    if (!Next(view)) return false;
    line.assign(view);
    return true;
}

bool LineReader::NextWithKey(std::string_view key, std::string& line) {
    std::string_view view;
    if (!NextWithKey(key, view)) return false;
    line.assign(view);
    return true;
}

}  // namespace zephrane
