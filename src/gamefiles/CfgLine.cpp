#include "gamefiles/CfgLine.h"

#include <cctype>

namespace zephrane {

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view TrimmedView(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ToUpperAscii(std::string text) {
    for (char& c : text) c = UpperAscii(c);
    return text;
}

std::string TrimBlanks(std::string_view text) {
    return std::string(TrimmedView(text));
}

std::string_view CfgValueView(std::string_view line) {
    const auto equals = line.find('=');
    if (line.empty() || equals == std::string_view::npos) return {};
    if (line[0] == ';') return {};
    const auto semicolon = line.find(';');
    const std::size_t end = semicolon == std::string_view::npos ? line.size() : semicolon;
    if (end <= equals + 1) return {};
    return TrimmedView(line.substr(equals + 1, end - equals - 1));
}

std::string GetCfgValue(std::string_view sLine) {
    return std::string(CfgValueView(sLine));
}

bool IsWholeNumber(std::string_view text) {
    const std::string_view t = TrimmedView(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    }
    return true;
}

int ToWholeNumber(std::string_view text, int fallback) {
    const std::string_view t = TrimmedView(text);
    // Seven characters at most: a sign and six digits cannot overflow.
    if (t.empty() || t.size() > 7) return fallback;
    const bool negative = t[0] == '-';
    const std::string_view digits = t.substr(t[0] == '+' || negative ? 1 : 0);
    if (digits.empty()) return fallback;
    long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return fallback;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < -32768 || value > 32767) return fallback;
    return static_cast<int>(value);
}

std::string Excerpt(std::string_view text) {
    constexpr std::size_t kShown = 200;
    return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "\x85";
}

std::string QuoteLine(std::string_view text) {
    // Built in steps: GCC 12 mistakes "\"" + text for overlapping copies (-Wrestrict).
    std::string quoted(1, '"');
    quoted += Excerpt(text);
    quoted += '"';
    return quoted;
}

std::string MarkerLine() {
    return std::string(";   ") + kMarkerText;
}

bool IsMarked(const std::vector<std::string_view>& lines) {
    for (const auto line : lines) {
        if (line.find(kMarkerText) != std::string_view::npos) return true;
        if (BeginsWithKey(line, "[FLOTILLA]")) return false;
    }
    return false;
}

}  // namespace zephrane
