#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane {

// Sequential text files of single-byte characters. A line ends at CR, at
// CR LF or at a lone LF; the terminator is not part of the line. A last line
// without terminator is a line like any other; an empty file has no lines.
// A leading UTF-8 byte-order mark (what some editors write) is not part of
// the first line, so that it does not hide the line's key.
std::vector<std::string> SplitLines(const std::string& bytes);
// The same lines as views into `bytes`, for readers that only look: no line
// is copied, so `bytes` must outlive them.
using LineViews = std::vector<std::string_view>;
LineViews SplitLineViews(std::string_view bytes);
// Where the line that begins at `from` ends: its CR or LF, or the end.
std::size_t LineEndAt(std::string_view bytes, std::size_t from);

// A text file read whole: its bytes and its lines as views into them. The
// bytes live on the heap, so the views stay valid when the file is moved.
struct TextLines {
    std::unique_ptr<const std::string> bytes;
    LineViews lines;
    std::string bom;  // its byte-order mark, put back in front of a rewrite
};

// The lines a rewrite writes: runs of the input lines it keeps (the input
// must outlive it) and the new lines, which it owns. A large file is mostly
// kept lines, so that nothing is copied, line by line, but what changes.
class OutputLines {
public:
    OutputLines() = default;
    // Moving keeps the owned lines where they are (and the runs valid); a
    // copy would not.
    OutputLines(OutputLines&&) = default;
    OutputLines& operator=(OutputLines&&) = default;
    OutputLines(const OutputLines&) = delete;
    OutputLines& operator=(const OutputLines&) = delete;

    // Keeps line `at`, or lines [from, to), of `in`.
    void Keep(const LineViews& in, std::size_t at) { Keep(in, at, at + 1); }
    void Keep(const LineViews& in, std::size_t from, std::size_t to) {
        if (to > in.size()) to = in.size();
        if (from < to) KeepInput(in.data() + from, to - from);
    }
    // Keeps text that outlives the output (a line read elsewhere, a constant).
    void Keep(std::string_view text);
    void Add(std::string line);
    void Clear();

    // Every line with CR LF after `prefix`, in one buffer of the final size.
    std::string Joined(std::string_view prefix = "") const;

private:
    struct Run {
        const std::string_view* first;
        std::size_t count;
        bool ofInput;  // only a run of the input's list goes on where the next line is
    };
    // Inline: a rewrite keeps its lines one by one, and most lines extend the last run.
    void KeepInput(const std::string_view* first, std::size_t count) {
        if (!runs_.empty() && runs_.back().ofInput && runs_.back().first + runs_.back().count == first) {
            runs_.back().count += count;
        } else {
            runs_.push_back(Run{first, count, true});
        }
    }

    std::vector<Run> runs_;
    // A deque never moves what it holds: the runs over these stay valid.
    std::deque<std::string> owned_;
    std::deque<std::string_view> views_;  // of owned_ and of kept text
};

// The UTF-8 byte-order mark that opens `bytes`, or "" when there is none. A
// rewrite puts it back in front of the new lines, so that it stays byte for
// byte.
std::string ByteOrderMark(std::string_view bytes);

// Why `bytes` are not lines of text, or "" when they are. A NUL byte marks
// text saved as UTF-16, a binary or a damaged file: taken apart at CR and LF
// and written back, its bytes would be mangled.
std::string NotTextProblem(std::string_view bytes);

// Every written line gets CR LF, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads a whole text file into lines; nullopt (and `error`) when it is
// unreadable or not text. `bom` receives its byte-order mark.
std::optional<std::vector<std::string>> ReadLines(const FileSystem& fs, const std::string& path,
                                                  std::string* error = nullptr, std::string* bom = nullptr);
// The same, as views into the file's bytes (for large files: no line copied).
std::optional<TextLines> ReadLineViews(const FileSystem& fs, const std::string& path,
                                       std::string* error = nullptr);
// The bytes of a whole text file, for a reader that reads its lines as it
// goes (LineReader::OverText).
std::optional<std::string> ReadText(const FileSystem& fs, const std::string& path,
                                    std::string* error = nullptr);

// Writes the lines, after `bom` (the byte-order mark the file had).
IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                    const std::string& bom = "");
IoResult WriteLines(FileSystem& fs, const std::string& path, const OutputLines& lines,
                    const std::string& bom = "");

}  // namespace zephrane
