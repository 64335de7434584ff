#include "patches/PatchLines.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {

std::size_t FindKeyLine(const LineViews& lines, std::size_t from, std::string_view key, SearchLimit limit) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (BeginsWithKey(lines[i], key)) return i;
        if (limit == SearchLimit::EndOfSection && !lines[i].empty() && lines[i][0] == '[') return kNoLine;
    }
    return kNoLine;
}

void CopyLines(const LineViews& lines, std::size_t from, std::size_t to, OutputLines& out) {
    out.Keep(lines, from, to);
}

std::optional<std::string> ReplaceValue(std::string_view line, std::string_view value) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string replaced(line.substr(0, equals + 1));
    replaced += value;
    return replaced;
}

}  // namespace zephrane
