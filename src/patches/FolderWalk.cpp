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

}  // namespace

void ProcessFolder(const PatchContext& ctx, std::string sFolder, const std::string& sFileName, int iIndex) {
    const FileSystem& fs = ctx.platform.fs;
    const auto subFolders = fs.SubFolders(sFolder);
    if (!subFolders) {
        ctx.ReportFolderProblem(sFolder);
        return;
    }
    for (const auto& sub : *subFolders) {
        ctx.YieldToEvents();
        ProcessFolder(ctx, sub.path, sFileName, iIndex);
    }

    const auto files = fs.Files(sFolder);
    if (!files) {
        ctx.ReportFolderProblem(sFolder);
        return;
    }
    const std::string wanted = ToUpperAscii(sFileName);
    for (const auto& file : *files) {
        if (ToUpperAscii(file.name) != wanted) continue;
        ++ctx.state.lFound;
        ctx.Show();
        ctx.YieldToEvents();
        PatchFile(ctx, iIndex, sFolder, file.name);
    }
    ctx.state.lChecked += static_cast<std::int32_t>(files->size());
    ctx.Show();
    ctx.YieldToEvents();
}

}  // namespace zephrane
