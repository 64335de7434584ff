#include "patches/PatchLines.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {

std::size_t FindKeyLine(const std::vector<std::string>& lines, std::size_t from, const std::string& key,
                        SearchLimit limit) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (BeginsWithKey(lines[i], key)) return i;
        if (limit == SearchLimit::EndOfSection && !lines[i].empty() && lines[i][0] == '[') return kNoLine;
    }
    return kNoLine;
}

void CopyLines(const std::vector<std::string>& lines, std::size_t from, std::size_t to,
               std::vector<std::string>& out) {
    for (std::size_t i = from; i < to && i < lines.size(); ++i) out.push_back(lines[i]);
}

std::optional<std::string> ReplaceValue(const std::string& line, const std::string& value) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return line.substr(0, equals + 1) + value;
}

}  // namespace zephrane
