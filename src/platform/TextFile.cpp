#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zephrane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Where a large file's time goes is its line ends, one every twenty bytes or
// so: they are found sixteen bytes at a time where the processor allows.
#if defined(__SSE2__)
constexpr std::size_t kBlock = 16;

// Bit i set when byte i of the block at `at` is `c`.
unsigned BlockMask(const char* at, char c) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}

// The number of set bits, without the processor's own instruction (not every
// x86-64 has it).
std::size_t BitCount(unsigned mask) {
    std::size_t count = 0;
    for (; mask != 0; mask &= mask - 1) ++count;
    return count;
}
#else
constexpr std::size_t kBlock = 0;
#endif

// How many lines `bytes` holds, give or take the lines of a file whose line
// ends are mixed: the larger count of CRs and of LFs, plus one.
std::size_t LineCountGuess(std::string_view bytes) {
    std::size_t cr = 0, lf = 0, i = 0;
#if defined(__SSE2__)
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        cr += BitCount(BlockMask(bytes.data() + i, '\r'));
        lf += BitCount(BlockMask(bytes.data() + i, '\n'));
    }
#endif
    for (; i < bytes.size(); ++i) {
        cr += bytes[i] == '\r';
        lf += bytes[i] == '\n';
    }
    return std::max(cr, lf) + 1;
}

char* CopyLine(std::string_view line, char* to) {
    to = std::copy(line.begin(), line.end(), to);
    *to++ = '\r';
    *to++ = '\n';
    return to;
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
    // Reserved once: a growing list of a large file's lines would be copied
    // and its memory touched twice over.
    LineViews lines;
    lines.reserve(LineCountGuess(bytes));
    std::size_t start = 0;
    std::size_t lfOfCrLf = std::string_view::npos;  // where the LF of a CR LF would be
    const auto lineEnd = [&](std::size_t at) {
        if (at == lfOfCrLf) {
            start = at + 1;
            return;
        }
        lines.emplace_back(bytes.data() + start, at - start);
        start = at + 1;
        lfOfCrLf = bytes[at] == '\r' ? at + 1 : std::string_view::npos;
    };
    std::size_t i = 0;
#if defined(__SSE2__)
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        for (unsigned ends = BlockMask(&bytes[i], '\r') | BlockMask(&bytes[i], '\n'); ends != 0;
             ends &= ends - 1)
            lineEnd(i + static_cast<std::size_t>(__builtin_ctz(ends)));
    }
#endif
    for (; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') lineEnd(i);
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

void VisitLines(std::string_view bytes, const std::function<bool(std::string_view line)>& visit) {
    bytes.remove_prefix(ByteOrderMark(bytes).size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t stop = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        if (!visit(bytes.substr(at, stop - at))) return;
        at = stop + 1;
        if (stop < bytes.size() && bytes[stop] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
    }
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
    for (const auto& line : lines) to = CopyLine(line, to);
    return bytes;
}

void OutputLines::Keep(std::string_view text) {
    // Each a run of its own: neighbours in a deque need not be in one block.
    runs_.push_back(Run{&views_.emplace_back(text), 1});
}

void OutputLines::Add(std::string line) {
    Keep(owned_.emplace_back(std::move(line)));
}

void OutputLines::Clear() {
    runs_.clear();
    views_.clear();
    owned_.clear();
}

std::size_t OutputLines::Count() const {
    std::size_t count = 0;
    for (const Run& run : runs_) count += run.count;
    return count;
}

std::string OutputLines::Joined(std::string_view prefix) const {
    std::size_t size = prefix.size();
    for (const Run& run : runs_) {
        for (std::size_t i = 0; i < run.count; ++i) size += run.first[i].size() + 2;
    }
    std::string bytes(size, '\0');
    char* to = std::copy(prefix.begin(), prefix.end(), bytes.data());
    for (const Run& run : runs_) {
        for (std::size_t i = 0; i < run.count; ++i) to = CopyLine(run.first[i], to);
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

std::optional<std::string> ReadText(const FileSystem& fs, const std::string& path, std::string* error) {
    auto bytes = fs.ReadFile(path, error);
    if (!bytes) return std::nullopt;
    if (const std::string problem = NotTextProblem(*bytes); !problem.empty()) {
        if (error) *error = problem;
        return std::nullopt;
    }
    return bytes;
}

std::optional<TextLines> ReadLineViews(const FileSystem& fs, const std::string& path, std::string* error) {
    auto bytes = ReadText(fs, path, error);
    if (!bytes) return std::nullopt;
    TextLines text;
    text.bytes = std::make_unique<const std::string>(std::move(*bytes));
    text.lines = SplitLineViews(*text.bytes);
    text.bom = ByteOrderMark(*text.bytes);
    return text;
}

IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                    const std::string& bom) {
    return fs.WriteFile(path, bom + JoinLines(lines));
}

IoResult WriteLines(FileSystem& fs, const std::string& path, const OutputLines& lines,
                    const std::string& bom) {
    return fs.WriteFile(path, lines.Joined(bom));
}

}  // namespace zephrane
