#pragma once

#include "patches/Patch.h"
#include "platform/Platform.h"

namespace zephrane {

// One click of a patch button (index 0 to 3), between the window's locking
// (hourglass, SetControlsEnabled False) and unlocking: sets the renown or
// looks up the 33. U-Flottille, resets the counters, walks the folders and
// ends with "Update Complete.". `show` is called after every counter change.
void RunPatch(Platform& platform, int index, PatchState& state, const ShowCounters& show);

}  // namespace zephrane
