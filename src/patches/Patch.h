#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Platform.h"

namespace zephrane {

// The main-window state a patch run reads and writes.
struct PatchState {
    std::string sGamePath;
    std::string sCommanderPath;
    std::string sRenown;
    std::string s33Flotilla;
    std::int32_t lChecked = 0;
    std::int32_t lFound = 0;
    std::int32_t lProcessed = 0;
};

// Shows the counters in lblChecked, lblFound and lblProcessed.
using ShowCounters = std::function<void(const PatchState&)>;

}  // namespace zephrane
