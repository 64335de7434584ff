#include "platform/ShownPath.h"

#include <algorithm>

namespace zephrane {

std::string ShownPath(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    const bool driveLetter = path.size() >= 2 && path[1] == ':' &&
                             ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (driveLetter) return path;
    std::string shown = path;
    std::replace(shown.begin(), shown.end(), '\\', '/');
    return shown;
#endif
}

}  // namespace zephrane
