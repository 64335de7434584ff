#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zephrane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The first CR or LF at or after `at`, or `end`: sixteen bytes at a time
// where the processor allows, since a large file has a line end every
// twenty bytes or so.
const char* NextLineEnd(const char* at, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - at >= 16; at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int ends =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (ends != 0) return at + __builtin_ctz(static_cast<unsigned>(ends));
    }
#endif
    while (at < end && *at != '\r' && *at != '\n') ++at;
    return at;
}

// `prefix` then every line with CR LF, in one buffer of the final size.
template <typename Lines>
std::string Joined(std::string_view prefix, const Lines& lines) {
    std::size_t size = prefix.size();
    for (const auto& line : lines) size += line.size() + 2;
    std::string bytes(size, '\0');
    char* to = std::copy(prefix.begin(), prefix.end(), bytes.data());
    for (const auto& line : lines) {
        to = std::copy(line.begin(), line.end(), to);
        *to++ = '\r';
        *to++ = '\n';
    }
    return bytes;
}

}  // namespace

std::string ByteOrderMark(std::string_view bytes) {
    return bytes.substr(0, 3) == kUtf8Bom ? std::string(kUtf8Bom) : "";
}

std::string NotTextProblem(std::string_view bytes) {
    if (bytes.find('\0') == std::string_view::npos) return "";
    return "It holds NUL bytes, so it is not plain text (text saved as UTF-16 is not).";
}

LineViews SplitLineViews(std::string_view bytes) {
    bytes.remove_prefix(ByteOrderMark(bytes).size());
    LineViews lines;
    // A line of a configuration file takes some fifteen to twenty bytes.
    lines.reserve(bytes.size() / 16 + 1);
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        const char* stop = NextLineEnd(at, end);
        lines.emplace_back(at, static_cast<std::size_t>(stop - at));
        if (stop == end) break;
        if (*stop == '\r' && stop + 1 != end && stop[1] == '\n') ++stop;
        at = stop + 1;
    }
    return lines;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    const auto views = SplitLineViews(bytes);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string JoinLines(const std::vector<std::string>& lines) {
    return Joined("", lines);
}

std::string JoinLines(const LineViews& lines) {
    return Joined("", lines);
}

void OutputLines::Keep(const LineViews& in, std::size_t from, std::size_t to) {
    if (to > in.size()) to = in.size();
    if (from < to)
        lines_.insert(lines_.end(), in.begin() + static_cast<std::ptrdiff_t>(from),
                      in.begin() + static_cast<std::ptrdiff_t>(to));
}

void OutputLines::Add(std::string line) {
    lines_.push_back(owned_.emplace_back(std::move(line)));
}

void OutputLines::Clear() {
    lines_.clear();
    owned_.clear();
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

std::optional<TextLines> ReadLineViews(const FileSystem& fs, const std::string& path, std::string* error) {
    auto bytes = fs.ReadFile(path, error);
    if (!bytes) return std::nullopt;
    if (const std::string problem = NotTextProblem(*bytes); !problem.empty()) {
        if (error) *error = problem;
        return std::nullopt;
    }
    TextLines text;
    text.bytes = std::make_unique<const std::string>(std::move(*bytes));
    text.lines = SplitLineViews(*text.bytes);
    text.bom = ByteOrderMark(*text.bytes);
    return text;
}

IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                    const std::string& bom) {
    return fs.WriteFile(path, Joined(bom, lines));
}

IoResult WriteLines(FileSystem& fs, const std::string& path, const LineViews& lines, const std::string& bom) {
    return fs.WriteFile(path, Joined(bom, lines));
}

}  // namespace zephrane
