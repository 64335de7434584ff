#pragma once

#include <string>

namespace zephrane {

inline constexpr const char* kProgramTitle = "Zephrane";

// "Version 1.0.18": the program's major, minor and revision numbers.
inline std::string VersionText() {
    return "Version " + std::to_string(ZEPHRANE_VERSION_MAJOR) + "." +
           std::to_string(ZEPHRANE_VERSION_MINOR) + "." + std::to_string(ZEPHRANE_VERSION_REVISION);
}

}  // namespace zephrane
