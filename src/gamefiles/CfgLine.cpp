#include "gamefiles/CfgLine.h"

#include <cctype>

namespace zephrane {

std::string ToUpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool BeginsWithKey(const std::string& line, const std::string& key) {
    if (line.size() < key.size()) return false;
    return ToUpperAscii(line.substr(0, key.size())) == ToUpperAscii(key);
}

bool BeginsWithExact(const std::string& line, const std::string& prefix) {
    return line.size() >= prefix.size() && line.compare(0, prefix.size(), prefix) == 0;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string GetCfgValue(const std::string& sLine) {
    const auto equals = sLine.find('=');
    if (sLine.empty() || equals == std::string::npos) return "";
    if (sLine[0] == ';') return "";
    const auto semicolon = sLine.find(';');
    const std::size_t end = semicolon == std::string::npos ? sLine.size() : semicolon;
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
