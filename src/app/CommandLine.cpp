#include "app/CommandLine.h"

#include <string>

#include "app/ProgramInfo.h"

namespace zephrane {
namespace {

constexpr const char* kHelp =
    "Usage: zephrane [--help | --version]\n"
    "\n"
    "Orders and campaign patches for SilentHunterIII careers kept with SH3 Commander:\n"
    "a transfer to another U-Flottille, a new U-boat commissioned at a chosen port,\n"
    "four campaign patches, and a reset of the flotilla configuration. Everything\n"
    "is done in the program's window; press F1 there to see where it keeps its files.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n";

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return 0;
        }
        if (arg == "--version") {
            out << kProgramTitle << ' ' << VersionText().substr(8) << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace zephrane
