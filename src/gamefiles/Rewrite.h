#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace zephrane {

// A writer's line transformation: reads the old lines, appends the new ones
// to `out` (keeping the old ones it leaves as they are). Returning false abandons the rewrite (the input is
// malformed); `error` then says why, in words a player understands.
using LineTransform = std::function<bool(const LineViews& in, OutputLines& out, std::string& error)>;

struct RewriteOutcome {
    bool ok = true;
    std::string path;    // the file that was (or was to be) rewritten
    std::string error;   // why it was not, when !ok
    std::string notice;  // something the user should know even when ok
};

// Rewrites <folder>\<fileName> through the temporary copy <folder>\<tempName>:
// the old temporary file is deleted, the target copied to it, the copy read,
// the target written anew (after its byte-order mark, when it has one), the
// copy deleted. The copy is scratch (neither it nor its removal is flushed):
// the target's own replace is durable. When the transformation refuses the
// input or the target cannot be written, the target is left as it was
// (restored from the copy where writing had begun) and no copy remains.
// An old temporary copy whose bytes differ from the target may be what an
// interrupted run saved of it: `notice` says so, naming both (the journal of
// operations keeps its bytes).
RewriteOutcome RewriteThroughTemp(FileSystem& fs, const std::string& folder, const std::string& fileName,
                                  const std::string& tempName, const LineTransform& transform);

// The text of a message box that reports a file the program could not
// change: the file's path, the reason, and that it was left unchanged.
std::string FileProblemMessage(const std::string& path, const std::string& why);

// Why a file is refused when an old temporary copy that differs from it is in
// the way and nothing would keep that copy's bytes.
std::string StaleCopyProblem(const std::string& temp);
// The notice about an old temporary copy that differed from its file.
std::string StaleCopyNotice(const std::string& temp, const std::string& target);

}  // namespace zephrane
