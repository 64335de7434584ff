#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>

namespace zephrane {

namespace {

// The first `c` at or after `at`, or `end`.
const char* Find(const char* at, const char* end, char c) {
    const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
    return found ? static_cast<const char*>(found) : end;
}

}  // namespace

std::vector<std::string_view> SplitLineViews(std::string_view bytes) {
    std::vector<std::string_view> lines;
    // A line of a configuration file takes some twenty bytes.
    lines.reserve(bytes.size() / 10 + 1);
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    // The next CR and the next LF, each looked for again only once passed.
    const char* cr = Find(at, end, '\r');
    const char* lf = Find(at, end, '\n');
    while (at < end) {
        const char* stop = std::min(cr, lf);
        lines.emplace_back(at, static_cast<std::size_t>(stop - at));
        if (stop == end) break;
        at = stop + 1;
        if (stop == cr && at == lf) ++at;
        if (cr < at) cr = Find(at, end, '\r');
        if (lf < at) lf = Find(at, end, '\n');
    }
    return lines;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    const auto views = SplitLineViews(bytes);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string bytes(size, '\0');
    char* to = bytes.data();
    for (const auto& line : lines) {
        to = std::copy(line.begin(), line.end(), to);
        *to++ = '\r';
        *to++ = '\n';
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
