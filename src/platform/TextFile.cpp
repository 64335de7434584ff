#include "platform/TextFile.h"

namespace zephrane {

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<std::vector<std::string>> ReadLines(const FileSystem& fs, const std::string& path,
                                                  std::string* error) {
    auto bytes = fs.ReadFile(path, error);
    if (!bytes) return std::nullopt;
    return SplitLines(*bytes);
}

IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines) {
    return fs.WriteFile(path, JoinLines(lines));
}

}  // namespace zephrane
