#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/TextFile.h"

namespace zephrane {

inline constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

// How far a search for a key line may read.
enum class SearchLimit {
    EndOfFile,     // any line up to the end of the file
    EndOfSection,  // and not past a section header ("[" in the first column)
};

// The index of the first line at or after `from` that begins with `key`
// (the key test), or kNoLine when the limit comes first.
std::size_t FindKeyLine(const LineViews& lines, std::size_t from, std::string_view key, SearchLimit limit);

// Keeps lines [from, to) unchanged.
void CopyLines(const LineViews& lines, std::size_t from, std::size_t to, OutputLines& out);

// The line up to and including its first "=", followed by `value`; whatever
// stood after the old value (a comment) is dropped. Nothing when the line has
// no "=".
std::optional<std::string> ReplaceValue(std::string_view line, std::string_view value);

}  // namespace zephrane
