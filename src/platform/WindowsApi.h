#pragma once

// The Windows API as the platform layer includes it: without the min and max
// macros, which break std::min and std::max, and without the rarely used
// headers, whose macros collide with more ordinary names.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace zephrane {

// The system's own words for an error code (GetLastError), in the user's
// language and the program's text, without the closing full stop, so that
// they read like the other reasons of the program's messages.
std::string SystemErrorText(DWORD code);

}  // namespace zephrane
#endif
