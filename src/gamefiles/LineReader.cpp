#include "gamefiles/LineReader.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {

bool LineReader::Next(std::string& line) {
    if (AtEnd()) return false;
    line = lines_[next_++];
    return true;
}

bool LineReader::NextWithKey(const std::string& key, std::string& line) {
    while (Next(line)) {
        if (BeginsWithKey(line, key)) return true;
    }
    return false;
}

}  // namespace zephrane
