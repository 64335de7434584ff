#pragma once

#include <filesystem>
#include <string>

namespace zephrane {

// The program's texts (paths, names, messages) are Windows-1252, as the
// game's files are. A name that holds a character Windows-1252 lacks (a
// Cyrillic user name, a Polish folder) is carried in UTF-8 instead, so that
// the program can still reach it. The choice is made for each name between
// path separators on its own: such a name joined to a folder written in
// Windows-1252 still comes back whole. Reading, a name that is valid UTF-8
// and not plain ASCII is UTF-8, any other Windows-1252; writing, a name is
// Windows-1252 whenever that reads back the same.
std::u32string TextToUnicode(const std::string& text);
// A code point no text can hold (half of a surrogate pair) becomes U+FFFD.
std::string UnicodeToText(const std::u32string& unicode);

// The same through the hosts' encodings: UTF-8 for POSIX names, and the
// wide characters of the Windows API (UTF-16; UTF-32 where wchar_t is 32
// bits wide).
std::string TextToUtf8(const std::string& text);
std::string Utf8ToText(const std::string& utf8);
std::wstring TextToWide(const std::string& text);
std::string WideToText(const std::wstring& wide);

// A host path named by the program's text and back, in the host's own
// encoding; the path is taken as it is, without drive letters mapped.
std::filesystem::path TextToPath(const std::string& text);
std::string PathToText(const std::filesystem::path& path);

}  // namespace zephrane
