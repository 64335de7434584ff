#include "gamefiles/LineReader.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {

bool LineReader::Next(std::string_view& line) {
    if (AtEnd()) return false;
    line = (*lines_)[next_++];
    return true;
}

bool LineReader::Next(std::string& line) {
    std::string_view view;
    if (!Next(view)) return false;
    line.assign(view);
    return true;
}

bool LineReader::NextWithKey(std::string_view key, std::string_view& line) {
    while (Next(line)) {
        if (BeginsWithKey(line, key)) return true;
    }
    return false;
}

bool LineReader::NextWithKey(std::string_view key, std::string& line) {
    std::string_view view;
    if (!NextWithKey(key, view)) return false;
    line.assign(view);
    return true;
}

}  // namespace zephrane
