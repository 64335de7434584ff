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
std::vector<std::string> SplitLines(const std::string& bytes);
// The same lines as views into `bytes`, for readers that only look: no line
// is copied, so `bytes` must outlive them.
std::vector<std::string_view> SplitLineViews(std::string_view bytes);

// Every written line gets CR LF, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads a whole text file into lines; nullopt (and `error`) when unreadable.
std::optional<std::vector<std::string>> ReadLines(const FileSystem& fs, const std::string& path,
                                                  std::string* error = nullptr);

IoResult WriteLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines);

}  // namespace zephrane
