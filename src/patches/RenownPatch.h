#pragma once

#include <string>

#include "patches/PatchContext.h"

namespace zephrane {

// Every PlayerStartRenown line (17-character key, upper-cased) that has an
// "=" from character 18 on gets `sRenown` as its value; the old value and a
// comment after it are dropped. All other lines stay as they are.
OutputLines SetStartRenownLines(const LineViews& lines, const std::string& sRenown);

// Per-file routine of the renown buttons: rewrites <sFolder>\<sFileName>
// through Flotilla.xxx with the run's renown and counts it as processed.
void SetStartRenown(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName);

}  // namespace zephrane
