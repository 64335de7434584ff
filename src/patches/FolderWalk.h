#pragma once

#include <string>

#include "patches/PatchContext.h"

namespace zephrane {

// Walks sFolder and everything below it, subfolders before the folder's own
// files, and hands every file whose name matches sFileName (without regard to
// case) to the per-file routine of iIndex: 0 and 1 SetStartRenown, 2
// AddXXIToFlotilla, 3 FixFlotillaAvailability, 4 FixBasicAvailability, any
// other none. Counts every match in lFound and, in lChecked, the files each
// folder holds once its own files are processed. A link to a file is a file;
// a link to a folder is not followed. A folder that cannot be listed is
// reported and passed over.
void ProcessFolder(const PatchContext& ctx, std::string sFolder, const std::string& sFileName, int iIndex);

}  // namespace zephrane
