#include "gamefiles/Rewrite.h"

#include "platform/TextFile.h"

namespace zephrane {

std::string FileProblemMessage(const std::string& path, const std::string& why) {
    return "Could not update the file\r\n" + path + "\r\n" + why + "\r\nThe file has been left as it was.";
}

RewriteOutcome RewriteThroughTemp(FileSystem& fs, const std::string& folder, const std::string& fileName,
                                  const std::string& tempName, const LineTransform& transform) {
    const std::string target = folder + "\\" + fileName;
    const std::string temp = folder + "\\" + tempName;
    RewriteOutcome outcome{true, target, ""};
    const auto fail = [&](const std::string& why) {
        outcome.ok = false;
        outcome.error = why;
        return outcome;
    };

    if (fs.FileExists(temp)) {
        if (auto r = fs.Remove(temp, false); !r)
            return fail("The old temporary copy " + temp + " could not be removed: " + r.error);
    }
    if (auto r = fs.Copy(target, temp); !r) return fail("No temporary copy could be made: " + r.error);

    std::string readError;
    const auto lines = ReadLines(fs, temp, &readError);
    std::vector<std::string> out;
    std::string why;
    if (!lines) {
        why = "The file could not be read: " + readError;
    } else if (!transform(*lines, out, why)) {
        if (why.empty()) why = "The file does not have the expected layout.";
    } else if (auto r = WriteLines(fs, target, out); !r) {
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
    fs.Remove(temp, false);
    if (!why.empty()) return fail(why);
    return outcome;
}

}  // namespace zephrane
