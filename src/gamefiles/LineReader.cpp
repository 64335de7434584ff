#include "gamefiles/LineReader.h"

namespace zephrane {

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
