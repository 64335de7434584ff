#pragma once

#include <string>
#include <vector>

#include "gamefiles/Rewrite.h"
#include "patches/Patch.h"
#include "platform/Platform.h"

namespace zephrane {

// What the routines of one patch run share: the platform, the window's
// state with its counters, how to show them, and the run's title (used for
// the messages that report a file the run could not change).
struct PatchContext {
    Platform& platform;
    PatchState& state;
    const ShowCounters& show;
    std::string title;

    void Show() const {
        if (show) show(state);
    }
    void YieldToEvents() const { platform.dialogs.YieldToEvents(); }
    void CountProcessed() const;
    // Tells the user that a file was left as it was, and why.
    void ReportFileProblem(const RewriteOutcome& outcome) const;
    void ReportFolderProblem(const std::string& folder) const;
};

// The result of a line transformation of a patch: the new lines, or why the
// file does not have the layout the patch relies on.
struct PatchedLines {
    bool ok = true;
    OutputLines lines;  // keeps runs of the input's lines: the input must outlive it
    std::string error;
    // Whether the patch found what it was meant to change (the Type XXI patch
    // counts a file only then).
    bool changed = false;
};

PatchedLines Refused(std::string why);

// After a failed rewrite: when the target could not be written at all it
// still holds its old bytes, and the temporary copy kept for it is removed.
RewriteOutcome DropUnneededTemp(FileSystem& fs, const std::string& folder, const std::string& tempName,
                                RewriteOutcome outcome);

// Rewrites <folder>\<fileName> through <folder>\<tempName> with a pure
// transformation. Reports a refused or failed rewrite (the file stays as it
// was); returns whether the file was rewritten and, through `changed`,
// whether the transformation found what it was meant to change.
template <typename Transform>
bool RewritePatched(const PatchContext& ctx, const std::string& folder, const std::string& fileName,
                    const std::string& tempName, Transform transform, bool* changed = nullptr) {
    const auto outcome = RewriteThroughTemp(ctx.platform.fs, folder, fileName, tempName,
                                            [&](const LineViews& in, OutputLines& out, std::string& error) {
                                                PatchedLines patched = transform(in);
                                                if (!patched.ok) {
                                                    error = patched.error;
                                                    return false;
                                                }
                                                if (changed) *changed = patched.changed;
                                                out = std::move(patched.lines);
                                                return true;
                                            });
    if (!outcome.notice.empty()) ctx.platform.dialogs.MsgBox(outcome.notice, kStyleInformation, ctx.title);
    if (!outcome.ok) ctx.ReportFileProblem(DropUnneededTemp(ctx.platform.fs, folder, tempName, outcome));
    return outcome.ok;
}

}  // namespace zephrane
