#include "gamefiles/CfgLine.h"

#include <cctype>

namespace zephrane {

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view TrimmedView(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string ToUpperAscii(std::string text) {
    for (char& c : text) c = UpperAscii(c);
    return text;
}

bool BeginsWithExact(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

std::string TrimBlanks(std::string_view text) {
    return std::string(TrimmedView(text));
}

std::string GetCfgValue(std::string_view sLine) {
    const auto equals = sLine.find('=');
    if (sLine.empty() || equals == std::string_view::npos) return "";
    if (sLine[0] == ';') return "";
    const auto semicolon = sLine.find(';');
    const std::size_t end = semicolon == std::string_view::npos ? sLine.size() : semicolon;
    if (end <= equals + 1) return "";
    return TrimBlanks(sLine.substr(equals + 1, end - equals - 1));
}

bool IsWholeNumber(const std::string& text) {
    const std::string t = TrimBlanks(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    }
    return true;
}

int ToWholeNumber(const std::string& text, int fallback) {
    if (!IsWholeNumber(text)) return fallback;
    const std::string t = TrimBlanks(text);
    if (t.size() > 7) return fallback;
    const long value = std::stol(t);
    if (value < -32768 || value > 32767) return fallback;
    return static_cast<int>(value);
}

std::string Excerpt(std::string_view text) {
    constexpr std::size_t kShown = 200;
    return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "\x85";
}

std::string QuoteLine(std::string_view text) {
    return "\"" + Excerpt(text) + "\"";
}

std::string MarkerLine() {
    return std::string(";   ") + kMarkerText;
}

bool IsMarked(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (line.find(kMarkerText) != std::string::npos) return true;
        if (BeginsWithKey(line, "[FLOTILLA]")) return false;
    }
    return false;
}

}  // namespace zephrane
