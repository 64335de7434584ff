#include "platform/Unicode.h"

#include <algorithm>
#include <string_view>

#include "platform/Cp1252.h"

namespace zephrane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDFFF;
}

bool IsSeparator(char32_t c) {
    return c == U'\\' || c == U'/';
}

// Decodes UTF-8, each invalid, overlong or surrogate sequence as U+FFFD;
// `valid` tells whether there was none.
std::u32string DecodeUtf8(std::string_view bytes, bool* valid = nullptr) {
    std::u32string out;
    bool clean = true;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
        const unsigned char lead = byte(i);
        const int extra = lead < 0x80                   ? 0
                          : lead >= 0xC2 && lead < 0xE0 ? 1
                          : lead >= 0xE0 && lead < 0xF0 ? 2
                          : lead >= 0xF0 && lead < 0xF5 ? 3
                                                        : -1;
        char32_t cp = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        bool ok = extra >= 0 && i + extra < bytes.size();
        for (int k = 1; ok && k <= extra; ++k) {
            ok = (byte(i + k) & 0xC0) == 0x80;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        const char32_t least = extra == 3 ? 0x10000 : extra == 2 ? 0x800 : 0;
        if (!ok || cp < least || cp > 0x10FFFF || IsSurrogate(cp)) {
            clean = false;
            out += kReplacement;
            ++i;
            continue;
        }
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    if (valid) *valid = clean;
    return out;
}

std::string EncodeUtf8(std::u32string_view unicode) {
    std::string out;
    for (char32_t cp : unicode) {
        if (cp > 0x10FFFF || IsSurrogate(cp)) cp = kReplacement;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    bool valid = false;
    DecodeUtf8(bytes, &valid);
    return valid;
}

void AppendNameAsUnicode(std::u32string& out, std::string_view name) {
    if (!IsAscii(name) && IsValidUtf8(name)) {
        out += DecodeUtf8(name);
        return;
    }
    for (unsigned char c : name) out += Cp1252ToCodePoint(c);
}

void AppendNameAsText(std::string& out, std::u32string_view name) {
    std::string cp1252;
    for (char32_t cp : name) {
        const int byte = CodePointToCp1252(cp);
        if (byte < 0) {
            out += EncodeUtf8(name);
            return;
        }
        cp1252 += static_cast<char>(byte);
    }
    // Windows-1252 that would read as UTF-8 ("Ã©") is written as UTF-8 too.
    out += IsAscii(cp1252) || !IsValidUtf8(cp1252) ? cp1252 : EncodeUtf8(name);
}

// Calls `name` with each part between separators and `separator` with each
// separator, in order.
template <typename Text, typename OnName, typename OnSeparator>
void SplitNames(const Text& text, OnName name, OnSeparator separator) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsSeparator(static_cast<char32_t>(text[i]))) continue;
        name(std::basic_string_view<typename Text::value_type>(text).substr(start, i - start));
        if (i < text.size()) separator(text[i]);
        start = i + 1;
    }
}

}  // namespace

std::u32string TextToUnicode(const std::string& text) {
    std::u32string out;
    if (IsAscii(text)) return out.assign(text.begin(), text.end());
    SplitNames(
        text, [&](std::string_view name) { AppendNameAsUnicode(out, name); },
        [&](char c) { out += static_cast<char32_t>(c); });
    return out;
}

std::string UnicodeToText(const std::u32string& unicode) {
    std::string out;
    SplitNames(
        unicode, [&](std::u32string_view name) { AppendNameAsText(out, name); },
        [&](char32_t c) { out += static_cast<char>(c); });
    return out;
}

std::string TextToUtf8(const std::string& text) {
    return IsAscii(text) ? text : EncodeUtf8(TextToUnicode(text));
}

std::string Utf8ToText(const std::string& utf8) {
    return IsAscii(utf8) ? utf8 : UnicodeToText(DecodeUtf8(utf8));
}

std::wstring TextToWide(const std::string& text) {
    std::wstring wide;
    for (char32_t cp : TextToUnicode(text)) {
        if (sizeof(wchar_t) == 2 && cp >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(cp);
        }
    }
    return wide;
}

std::string WideToText(const std::wstring& wide) {
    std::u32string unicode;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const auto cp = static_cast<char32_t>(wide[i]);
        const bool pair = sizeof(wchar_t) == 2 && cp >= 0xD800 && cp < 0xDC00 && i + 1 < wide.size() &&
                          wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        if (pair) {
            unicode += 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(wide[++i]) - 0xDC00);
        } else {
            unicode += IsSurrogate(cp) ? kReplacement : cp;
        }
    }
    return UnicodeToText(unicode);
}

std::filesystem::path TextToPath(const std::string& text) {
#ifdef _WIN32
    return std::filesystem::path(TextToWide(text));
#else
    return std::filesystem::path(TextToUtf8(text));
#endif
}

std::string PathToText(const std::filesystem::path& path) {
#ifdef _WIN32
    return WideToText(path.native());
#else
    return Utf8ToText(path.native());
#endif
}

}  // namespace zephrane
