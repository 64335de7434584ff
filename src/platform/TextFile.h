#pragma once

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
std::vector<std::string_view> SplitLineViews(std::string_view bytes);

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

// Writes the lines, after `bom` (the byte-order mark the file had).
IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                    const std::string& bom = "");

}  // namespace zephrane
