#pragma once

#include <string>

namespace zephrane {

// The form in which the user sees a program path (in messages, in the folder
// fields, in Control.txt). The program joins folders and file names with
// backslashes; on Windows that is the path as it is. Elsewhere a path of the
// host gets the host's separator throughout, while a path with a drive letter
// ("C:\Games\...") is a Windows path of the Wine drive table and keeps its
// backslashes.
std::string ShownPath(const std::string& path);

}  // namespace zephrane
