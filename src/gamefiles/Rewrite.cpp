#include "gamefiles/Rewrite.h"

#include "platform/ShownPath.h"
#include "platform/TextFile.h"

namespace zephrane {

std::string FileProblemMessage(const std::string& path, const std::string& why) {
    return "Could not update the file\r\n" + ShownPath(path) + "\r\n" + why +
           "\r\nThe file has been left as it was.";
}

std::string StaleCopyNotice(const std::string& temp, const std::string& target) {
    return "A temporary copy left by an earlier run,\r\n" + temp + "\r\ndid not match\r\n" + target +
           "\r\nand may hold its earlier content. Its bytes are kept in the History: undo this operation "
           "there to have it back.";
}

std::string StaleCopyProblem(const std::string& temp) {
    return "A temporary copy left by an earlier run,\r\n" + temp +
           "\r\ndoes not match it and may hold its earlier content. Compare the two, then remove the copy.";
}

RewriteOutcome RewriteThroughTemp(FileSystem& fs, const std::string& folder, const std::string& fileName,
                                  const std::string& tempName, const LineTransform& transform) {
    const std::string target = folder + "\\" + fileName;
    const std::string temp = folder + "\\" + tempName;
    RewriteOutcome outcome{true, target, "", ""};
    const auto fail = [&](const std::string& why) {
        outcome.ok = false;
        outcome.error = why;
        return outcome;
    };

    if (fs.FileExists(temp)) {
        // A copy that differs may be all that is left of the file's earlier
        // content: it goes only where the journal keeps its bytes.
        if (fs.ReadFile(temp) != fs.ReadFile(target)) {
            if (!fs.RecordsOperations()) return fail(StaleCopyProblem(temp));
            outcome.notice = StaleCopyNotice(temp, target);
        }
        if (auto r = fs.Remove(temp, false); !r) {
            outcome.notice.clear();
            return fail("The old temporary copy " + temp + " could not be removed: " + r.error);
        }
    }
    if (auto r = fs.ScratchCopy(target, temp); !r) return fail("No temporary copy could be made: " + r.error);

    std::string readError;
    const auto text = ReadLineViews(fs, temp, &readError);
    OutputLines out;
    std::string why;
    if (!text) {
        why = "The file could not be read: " + readError;
    } else if (!transform(text->lines, out, why)) {
        if (why.empty()) why = "The file does not have the expected layout.";
    } else if (auto r = WriteLines(fs, target, out, text->bom); !r) {
        why = "The file could not be written: " + r.error;
        // Writing may have emptied the file: put the old bytes back. A file that
        // was refused outright (read-only) still holds them and needs nothing.
        const auto kept = fs.ReadFile(temp);
        if (!kept || fs.ReadFile(target) != kept) {
            if (auto back = fs.Copy(temp, target); !back) {
                why += "\r\nIts previous content is kept in " + temp + ".";
                return fail(why);
            }
        }
    }
    fs.ScratchRemove(temp);
    if (!why.empty()) return fail(why);
    return outcome;
}

}  // namespace zephrane
