#include "app/Settings.h"

#include <cstdlib>

#include "gamefiles/CfgLine.h"
#include "platform/TextFile.h"

namespace zephrane {

std::string PrintNumber(int value) {
    // Built by appending: GCC 12 at -O3 mistakes `"" + std::to_string(...)` for
    // an overlapping copy (-Wrestrict).
    std::string text = value >= 0 ? " " : "";
    text += std::to_string(value);
    text += ' ';
    return text;
}

int ReadNumber(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != ',') ++i;
    const std::string field = line.substr(start, i - start);
    return ToWholeNumber(field, 0);
}

std::optional<Settings> ReadSettings(const FileSystem& fs, const std::string& path) {
    if (!fs.FileExists(path)) return std::nullopt;
    const auto lines = ReadLines(fs, path);
    if (!lines) return std::nullopt;
    const auto line = [&](std::size_t i) { return i < lines->size() ? (*lines)[i] : std::string(); };
    Settings s;
    s.iSkipWarning = ReadNumber(line(0));
    s.gamePath = line(1);
    s.commanderPath = line(2);
    if (lines->size() > 3) s.careersPath = line(3);
    return s;
}

IoResult WriteSettings(FileSystem& fs, const std::string& path, int flag,
                       const std::vector<std::string>& folders) {
    std::vector<std::string> lines{PrintNumber(flag)};
    lines.insert(lines.end(), folders.begin(), folders.end());
    // A byte-order mark an editor put in front stays.
    const auto old = fs.ReadFile(path);
    const std::string bytes = (old ? ByteOrderMark(*old) : "") + JoinLines(lines);
    // A start and a close mostly find the file as they would write it; a
    // durable rewrite of the same bytes would only wait for the disk.
    if (old == bytes) return IoResult::Success();
    return fs.WriteFile(path, bytes);
}

}  // namespace zephrane
