#include "patches/PatchRun.h"

#include "patches/FolderWalk.h"
#include "patches/XxiPatch.h"
#include "platform/Dialogs.h"

namespace zephrane {
namespace {

constexpr const char* kTitles[] = {"Increate Renown", "Reset Renown", kXxiTitle, "Orv U-Boat Availability"};
constexpr int kBasicPass = 4;

bool IsValidFolder(const FileSystem& fs, const std::string& folder) {
    return !folder.empty() && fs.FolderExists(folder);
}

void ResetCounters(const PatchContext& ctx) {
    ctx.state.lChecked = 0;
    ctx.state.lFound = 0;
    ctx.state.lProcessed = 0;
    ctx.Show();
}

void WalkCommanderFolder(const PatchContext& ctx, int index) {
    const std::string& sCommanderPath = ctx.state.sCommanderPath;
    const std::string backup = sCommanderPath + "\\!BACKUP";
    // SH3 Commander makes this folder only once it has backed something up.
    if (ctx.platform.fs.FolderExists(backup)) ProcessFolder(ctx, backup, "Flotilla.cfg", index);
    if (index == 2) AddXXINumbers(ctx, sCommanderPath + "\\Cfg", "U-boat numbers.cfg");
}

}  // namespace

void RunPatch(Platform& platform, int index, PatchState& state, const ShowCounters& show) {
    if (index < 0 || index > 3) return;
    const PatchContext ctx{platform, state, show, kTitles[index]};

    if (index == 0) state.sRenown = "25000";
    if (index == 1) state.sRenown = "500";
    if (index == 2) {
        state.s33Flotilla = Find33Flotilla(platform, state.sGamePath);
        if (state.s33Flotilla == "0") return;
    }
    ResetCounters(ctx);
    // The walks look each folder up once, and then work relative to it.
    const FileSystemBatch batch(platform.fs);

    if (!IsValidFolder(platform.fs, state.sGamePath)) {
        platform.dialogs.MsgBox("Not a valid SilentHunterIII Home Directory", kStyleCritical,
                                "No Valid Directory");
        return;
    }
    ProcessFolder(ctx, state.sGamePath, "Flotilla.cfg", index);
    ProcessFolder(ctx, platform.shell.ProgramFolder(), "Flotilla.cfg.orv", index);
    if (IsValidFolder(platform.fs, state.sCommanderPath)) {
        WalkCommanderFolder(ctx, index);
    } else {
        platform.dialogs.MsgBox("No valid SH3 Commander Directory.  Not Processed.", kStyleInformation,
                                "No Valid Directory");
    }
    if (index == 3) ProcessFolder(ctx, state.sGamePath, "Basic.cfg", kBasicPass);
    platform.dialogs.MsgBox("Update Complete.", kStylePlain, ctx.title);
}

}  // namespace zephrane
