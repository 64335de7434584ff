#include "platform/TextFile.h"

#include <algorithm>
#include <cstdint>
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

__m128i LoadBlock(const char* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// Bit i set when byte i of `block` is `c`.
unsigned BlockMask(__m128i block, char c) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}

std::size_t SumOfBytes(__m128i counts) {
    alignas(16) std::uint64_t sums[2];
    _mm_store_si128(reinterpret_cast<__m128i*>(sums), _mm_sad_epu8(counts, _mm_setzero_si128()));
    return static_cast<std::size_t>(sums[0] + sums[1]);
}
#endif

// How many lines `bytes` holds, give or take the lines of a file whose line
// ends are mixed: the larger count of CRs and of LFs, plus one.
std::size_t LineCountGuess(std::string_view bytes) {
    std::size_t cr = 0, lf = 0, i = 0;
#if defined(__SSE2__)
    while (i + kBlock <= bytes.size()) {
        // One counter a byte, summed before it can overflow.
        __m128i crs = _mm_setzero_si128(), lfs = _mm_setzero_si128();
        for (int n = 0; n < 255 && i + kBlock <= bytes.size(); ++n, i += kBlock) {
            const __m128i block = LoadBlock(bytes.data() + i);
            crs = _mm_sub_epi8(crs, _mm_cmpeq_epi8(block, _mm_set1_epi8('\r')));
            lfs = _mm_sub_epi8(lfs, _mm_cmpeq_epi8(block, _mm_set1_epi8('\n')));
        }
        cr += SumOfBytes(crs);
        lf += SumOfBytes(lfs);
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
    // Every CR ends a line, and every LF that does not follow a CR.
    std::size_t start = 0;
    const auto lineEnd = [&](std::size_t at) {
        lines.emplace_back(bytes.data() + start, at - start);
        const bool crLf = bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n';
        start = at + (crLf ? 2 : 1);
    };
    std::size_t i = 0;
#if defined(__SSE2__)
    unsigned crBefore = 0;  // 1 when the byte before the block is a CR
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        const __m128i block = LoadBlock(bytes.data() + i);
        const unsigned cr = BlockMask(block, '\r');
        const unsigned lf = BlockMask(block, '\n');
        for (unsigned ends = cr | (lf & ~((cr << 1) | crBefore)); ends != 0; ends &= ends - 1)
            lineEnd(i + static_cast<std::size_t>(__builtin_ctz(ends)));
        crBefore = cr >> 15;
    }
#endif
    for (; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))) lineEnd(i);
    }
    if (start < bytes.size()) lines.emplace_back(bytes.data() + start, bytes.size() - start);
    return lines;
}

std::size_t LineEndAt(std::string_view bytes, std::size_t from) {
    std::size_t i = from;
#if defined(__SSE2__)
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        const __m128i block = LoadBlock(bytes.data() + i);
        if (const unsigned ends = BlockMask(block, '\r') | BlockMask(block, '\n'); ends != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(ends));
    }
#endif
    while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') ++i;
    return i;
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
    runs_.push_back(Run{&views_.emplace_back(text), 1, false});
}

void OutputLines::Add(std::string line) {
    Keep(owned_.emplace_back(std::move(line)));
}

void OutputLines::Clear() {
    runs_.clear();
    views_.clear();
    owned_.clear();
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
