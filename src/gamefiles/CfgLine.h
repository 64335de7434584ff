#pragma once

#include <string>
#include <vector>

namespace zephrane {

// The key test: the first N characters of `line`, upper-cased, equal `key`
// upper-cased, N being the key's length. A shorter line never matches and
// nothing is trimmed first.
bool BeginsWithKey(const std::string& line, const std::string& key);

// Case-sensitive prefix test, for the few readers that compare exactly.
bool BeginsWithExact(const std::string& line, const std::string& prefix);

// The value of a key line: the text between the first "=" and the first ";"
// (or the end), without surrounding blanks; empty for anything else.
std::string GetCfgValue(const std::string& sLine);

// Blanks (spaces only) removed from both ends.
std::string TrimBlanks(const std::string& text);

std::string ToUpperAscii(std::string text);

// Whether `text` is a whole number as the game writes them: optional blanks,
// an optional sign, digits. Used before a value is converted.
bool IsWholeNumber(const std::string& text);
// The number, or `fallback` when `text` is not a whole number in 16-bit range.
int ToWholeNumber(const std::string& text, int fallback = 0);

// The marker that opens every flotilla configuration written for an order.
inline constexpr const char* kMarkerText = "Touched by Zephrane";
std::string MarkerLine();

// A flotilla configuration counts as marked when a line containing the marker
// text comes before the first line that begins with "[FLOTILLA]".
bool IsMarked(const std::vector<std::string>& lines);

}  // namespace zephrane
