#include "patches/RenownPatch.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {
namespace {

constexpr const char* kRenownKey = "PLAYERSTARTRENOWN";
constexpr std::size_t kRenownKeyLength = 17;

// Where the renown value of a PlayerStartRenown line begins; npos for any
// other line. The "=" is looked for only after the key, so blanks before it stay.
std::size_t RenownValueAt(std::string_view line) {
    if (line.size() < kRenownKeyLength || !BeginsWithKey(line, kRenownKey)) return std::string_view::npos;
    const auto equals = line.find('=', kRenownKeyLength);
    return equals == std::string_view::npos ? equals : equals + 1;
}

}  // namespace

OutputLines SetStartRenownLines(const LineViews& lines, const std::string& sRenown) {
    OutputLines out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto valueAt = RenownValueAt(lines[i]);
        if (valueAt == std::string_view::npos) {
            out.Keep(lines, i);
        } else {
            out.Add(std::string(lines[i].substr(0, valueAt)) + sRenown);
        }
    }
    return out;
}

void SetStartRenown(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName) {
    const std::string sRenown = ctx.state.sRenown;
    const bool rewritten = RewritePatched(ctx, sFolder, sFileName, "Flotilla.xxx", [&](const LineViews& in) {
        PatchedLines patched;
        patched.lines = SetStartRenownLines(in, sRenown);
        return patched;
    });
    if (rewritten) ctx.CountProcessed();
    ctx.YieldToEvents();
}

}  // namespace zephrane
