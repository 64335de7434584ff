#include "patches/RenownPatch.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {
namespace {

constexpr const char* kRenownKey = "PLAYERSTARTRENOWN";
constexpr std::size_t kRenownKeyLength = 17;

void WriteRenownLine(std::string_view line, const std::string& sRenown, OutputLines& out) {
    // The "=" is looked for only after the key, so blanks before it stay.
    const auto equals = line.size() < kRenownKeyLength || !BeginsWithKey(line, kRenownKey)
                            ? std::string_view::npos
                            : line.find('=', kRenownKeyLength);
    if (equals == std::string_view::npos) {
        out.Keep(line);
        return;
    }
    out.Add(std::string(line.substr(0, equals + 1)) + sRenown);
}

}  // namespace

OutputLines SetStartRenownLines(const LineViews& lines, const std::string& sRenown) {
    OutputLines out;
    out.Reserve(lines.size());
    for (const auto line : lines) WriteRenownLine(line, sRenown, out);
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
