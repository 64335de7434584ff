#pragma once

#include <string>
#include <vector>

#include "patches/PatchContext.h"
#include "platform/Platform.h"

namespace zephrane {

inline constexpr const char* kXxiTitle = "Add XXI to 33. U-Flottille";
inline constexpr const char* kXxiNumbersLine = "909=2501,2504,2505,2508,2512,2514,3012";

// The menu number of the first flotilla entry (902 to 914) of the menu text
// whose name contains "33".
std::string Find33FlotillaInLines(const std::vector<std::string>& menuLines);

// Looks the 33. U-Flottille up in <sGamePath>\data\Menu\en_menu.txt; "0"
// (after telling the user why) when the file or the entry is missing.
std::string Find33Flotilla(Platform& platform, const std::string& sGamePath);

// Adds a Type XXI (type value 3) to the U-boat list that follows the 33.
// U-Flottille's flotilla line; `changed` tells whether a count line was
// treated. Refused when the count line has no "=" or a number that is not a
// count (below 0, or too large), or when the file or the flotilla's block (up
// to the next flotilla line or section header) ends before the counted U-boat
// lines.
PatchedLines AddXXIToFlotillaLines(const LineViews& lines, const std::string& s33Flotilla);

// Inserts the fixed 909 line at the end of the [XXI] section unless the
// section already has a line for `s33Flotilla`.
OutputLines AddXXINumbersLines(const LineViews& lines, const std::string& s33Flotilla);

// Per-file routine of patch index 2 (through Flotilla.xxx); counts the file
// as processed only when it held the flotilla's U-boat list.
void AddXXIToFlotilla(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName);

// SH3 Commander's U-boat numbers file (through U-boat numbers.xxx); leaves the
// counters alone.
void AddXXINumbers(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName);

}  // namespace zephrane
