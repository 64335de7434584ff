#pragma once

#include <string>

#include "patches/PatchContext.h"

namespace zephrane {

// Flotilla entries dated September 1939 move to August 1939: after a Date
// line of 1939 the first Month line of 9 becomes 8. Refused when the month
// line is missing before the end of the file or the next section.
PatchedLines FixFlotillaAvailabilityLines(const LineViews& lines);

// The Orv availability of the U-boat types in basic.cfg, up to the first
// torpedo section: IXB 7/1939, IXC 1/1941, XXI 12/1943 with 28 days in base,
// any other type available in 8 or 9/1939 from 7/1939. Refused when a line
// to look for is missing before the end of its section, or a line to change
// has no "=".
PatchedLines FixBasicAvailabilityLines(const LineViews& lines);

// Per-file routines of patch indices 3 (through Flotilla.xxx) and 4 (through
// Basic.xxx); each rewritten file counts as processed.
void FixFlotillaAvailability(const PatchContext& ctx, const std::string& sFolder,
                             const std::string& sFileName);
void FixBasicAvailability(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName);

}  // namespace zephrane
