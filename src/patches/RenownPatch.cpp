#include "patches/RenownPatch.h"

#include "gamefiles/CfgLine.h"

namespace zephrane {
namespace {

constexpr const char* kRenownKey = "PLAYERSTARTRENOWN";
constexpr std::size_t kRenownKeyLength = 17;

std::string RenownLine(const std::string& line, const std::string& sRenown) {
    if (line.size() < kRenownKeyLength || !BeginsWithKey(line, kRenownKey)) return line;
    // The "=" is looked for only after the key, so blanks before it stay.
    const auto equals = line.find('=', kRenownKeyLength);
    if (equals == std::string::npos) return line;
    return line.substr(0, equals + 1) + sRenown;
}

}  // namespace

std::vector<std::string> SetStartRenownLines(const std::vector<std::string>& lines,
                                             const std::string& sRenown) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const auto& line : lines) out.push_back(RenownLine(line, sRenown));
    return out;
}

void SetStartRenown(const PatchContext& ctx, const std::string& sFolder, const std::string& sFileName) {
    const std::string sRenown = ctx.state.sRenown;
    const bool rewritten =
        RewritePatched(ctx, sFolder, sFileName, "Flotilla.xxx", [&](const std::vector<std::string>& in) {
            PatchedLines patched;
            patched.lines = SetStartRenownLines(in, sRenown);
            return patched;
        });
    if (rewritten) ctx.CountProcessed();
    ctx.YieldToEvents();
}

}  // namespace zephrane
