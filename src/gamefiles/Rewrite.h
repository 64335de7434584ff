#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane {

// A writer's line transformation: reads the old lines, appends the new ones
// to `out`. Returning false abandons the rewrite (the input is malformed);
// `error` then says why, in words a player understands.
using LineTransform = std::function<bool(const std::vector<std::string>& in, std::vector<std::string>& out,
                                         std::string& error)>;

struct RewriteOutcome {
    bool ok = true;
    std::string path;   // the file that was (or was to be) rewritten
    std::string error;  // why it was not, when !ok
};

// Rewrites <folder>\<fileName> through the temporary copy <folder>\<tempName>:
// the old temporary file is deleted, the target copied to it, the copy read,
// the target written anew, the copy deleted. When the transformation refuses
// the input or the target cannot be written, the target is left as it was
// (restored from the copy where writing had begun) and no copy remains.
RewriteOutcome RewriteThroughTemp(FileSystem& fs, const std::string& folder, const std::string& fileName,
                                  const std::string& tempName, const LineTransform& transform);

// The text of a message box that reports a file the program could not
// change: the file's path, the reason, and that it was left unchanged.
std::string FileProblemMessage(const std::string& path, const std::string& why);

}  // namespace zephrane
