#include "patches/FolderWalk.h"

#include "gamefiles/CfgLine.h"
#include "patches/AvailabilityPatch.h"
#include "patches/RenownPatch.h"
#include "patches/XxiPatch.h"

namespace zephrane {
namespace {

void PatchFile(const PatchContext& ctx, int iIndex, const std::string& sFolder,
               const std::string& sFileName) {
    switch (iIndex) {
        case 0:
        case 1:
            SetStartRenown(ctx, sFolder, sFileName);
            break;
        case 2:
            AddXXIToFlotilla(ctx, sFolder, sFileName);
            break;
        case 3:
            FixFlotillaAvailability(ctx, sFolder, sFileName);
            break;
        case 4:
            FixBasicAvailability(ctx, sFolder, sFileName);
            break;
        default:
            break;
    }
}

// The number of files the folder holds now: a rewrite may have removed a
// stale temporary copy, so a folder where one ran is listed again.
std::size_t FilesNow(const FileSystem& fs, const std::string& sFolder, const std::vector<FolderEntry>& listed,
                     bool patched) {
    if (!patched) return listed.size();
    const auto again = fs.ListFolder(sFolder);
    return again ? again->files.size() : listed.size();
}

}  // namespace

void ProcessFolder(const PatchContext& ctx, std::string sFolder, const std::string& sFileName, int iIndex) {
    const FileSystem& fs = ctx.platform.fs;
    // One listing gives both the subfolders and the files.
    const auto listing = fs.ListFolder(sFolder);
    if (!listing) {
        ctx.ReportFolderProblem(sFolder);
        return;
    }
    for (const auto& sub : listing->folders) {
        ctx.YieldToEvents();
        ProcessFolder(ctx, sub.path, sFileName, iIndex);
    }

    const std::string wanted = ToUpperAscii(sFileName);
    bool patched = false;
    for (const auto& file : listing->files) {
        if (ToUpperAscii(file.name) != wanted) continue;
        ++ctx.state.lFound;
        ctx.Show();
        ctx.YieldToEvents();
        PatchFile(ctx, iIndex, sFolder, file.name);
        patched = true;
    }
    ctx.state.lChecked += static_cast<std::int32_t>(FilesNow(fs, sFolder, listing->files, patched));
    ctx.Show();
    ctx.YieldToEvents();
}

}  // namespace zephrane
