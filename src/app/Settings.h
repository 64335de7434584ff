#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane {

// Control.txt: the warning flag and the three working folders.
struct Settings {
    int iSkipWarning = 0;  // 0 = show the start-up warning
    std::string gamePath;
    std::string commanderPath;
    std::optional<std::string> careersPath;  // absent in a three-line file
};

inline constexpr const char* kSettingsFile = "\\Control.txt";

// The flag as it is printed: a blank before a number that is not negative,
// the digits, a blank after (" 1 ", "-1 ").
std::string PrintNumber(int value);

// The whole number at the start of a line: blanks skipped, read up to the
// next blank or comma; 0 when there is none.
int ReadNumber(const std::string& line);

// Reads Control.txt; nullopt when it does not exist or cannot be read.
// Missing folder lines count as empty.
std::optional<Settings> ReadSettings(const FileSystem& fs, const std::string& path);

// Replaces Control.txt with the flag and the given folder lines; a file that
// already holds exactly those is left as it is.
IoResult WriteSettings(FileSystem& fs, const std::string& path, int flag,
                       const std::vector<std::string>& folders);

}  // namespace zephrane
