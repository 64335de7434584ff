#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace zephrane {

// The three platform services every routine of the program reaches the
// outside world through.
struct Platform {
    FileSystem& fs;
    Dialogs& dialogs;
    Shell& shell;
};

}  // namespace zephrane
