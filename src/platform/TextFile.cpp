#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>

namespace zephrane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The first `c` at or after `at`, or `end`.
const char* Find(const char* at, const char* end, char c) {
    const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
    return found ? static_cast<const char*>(found) : end;
}

}  // namespace

std::string ByteOrderMark(std::string_view bytes) {
    return bytes.substr(0, 3) == kUtf8Bom ? std::string(kUtf8Bom) : "";
}

std::string NotTextProblem(std::string_view bytes) {
    if (bytes.find('\0') == std::string_view::npos) return "";
    return "It holds NUL bytes, so it is not plain text (text saved as UTF-16 is not).";
}

std::vector<std::string_view> SplitLineViews(std::string_view bytes) {
    bytes.remove_prefix(ByteOrderMark(bytes).size());
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
        // No LF found leaves `lf` at `end`: a CR that ends the file has none after it.
        if (stop == cr && at != end && at == lf) ++at;
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
                                                  std::string* error, std::string* bom) {
    auto bytes = fs.ReadFile(path, error);
    if (!bytes) return std::nullopt;
    if (const std::string problem = NotTextProblem(*bytes); !problem.empty()) {
        if (error) *error = problem;
        return std::nullopt;
    }
    if (bom) *bom = ByteOrderMark(*bytes);
    return SplitLines(*bytes);
}

IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                    const std::string& bom) {
    return fs.WriteFile(path, bom + JoinLines(lines));
}

}  // namespace zephrane
