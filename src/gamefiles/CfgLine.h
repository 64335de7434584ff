#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zephrane {

// The key test: the first N characters of `line`, upper-cased, equal `key`
// upper-cased, N being the key's length. A shorter line never matches and
// nothing is trimmed first. Inline: readers test every line against keys.
inline bool BeginsWithKey(std::string_view line, std::string_view key) {
    if (line.size() < key.size()) return false;
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (upper(line[i]) != upper(key[i])) return false;
    }
    return true;
}

// Case-sensitive prefix test, for the few readers that compare exactly (an
// order's rewrite, every line of the flotilla configuration).
inline bool BeginsWithExact(std::string_view line, std::string_view prefix) {
    return line.size() >= prefix.size() && line.compare(0, prefix.size(), prefix) == 0;
}

// The value of a key line: the text between the first "=" and the first ";"
// (or the end), without surrounding blanks; empty for anything else.
std::string GetCfgValue(std::string_view sLine);
// The same value as a view into the line, for readers that only compare it.
std::string_view CfgValueView(std::string_view line);

// Blanks (spaces only) removed from both ends.
std::string TrimBlanks(std::string_view text);
std::string_view TrimmedView(std::string_view text);

std::string ToUpperAscii(std::string text);

// Whether `text` is a whole number as the game writes them: optional blanks,
// an optional sign, digits. Used before a value is converted.
bool IsWholeNumber(std::string_view text);
// The number, or `fallback` when `text` is not a whole number in 16-bit range.
int ToWholeNumber(std::string_view text, int fallback = 0);

// A line or value of a file as a message shows it: at most 200 characters,
// then "â¦" (the Windows-1252 byte 0x85), so that a damaged file's
// megabyte line cannot fill the screen. QuoteLine adds double quotes.
std::string Excerpt(std::string_view text);
std::string QuoteLine(std::string_view text);

// The marker that opens every flotilla configuration written for an order.
inline constexpr const char* kMarkerText = "Touched by Zephrane";
std::string MarkerLine();

// A flotilla configuration counts as marked when a line containing the marker
// text comes before the first line that begins with "[FLOTILLA]".
bool IsMarked(const std::vector<std::string_view>& lines);

}  // namespace zephrane
