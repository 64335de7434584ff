// bench-files: runs one of the program's routines over a large file, once,
// the way the program calls it (the benchmark times the whole process):
//   bench-files types BASIC                      the U-boat types of basic.cfg (start-up, folder change)
//   bench-files loadout BASIC YEAR TYPE VERSION  the loadout of a boat (commissioning)
//   bench-files availability FOLDER              the availability patch of FOLDER\basic.cfg
//   bench-files table PROGRAM GAME               an order's flotilla table (and backup) alone
//   bench-files order PROGRAM GAME               an order's flotilla table and Flotilla.cfg rewrite
// Paths are host paths. Prints what it found, or the messages it showed.
#include <iostream>
#include <string>
#include <vector>

#include "careers/SubAmmo.h"
#include "gamefiles/UBoatTypes.h"
#include "orders/FlotillaRewrite.h"
#include "orders/LoadFlotillaTable.h"
#include "patches/AvailabilityPatch.h"
#include "platform/HostFileSystem.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "platform/TextFile.h"

namespace {

using namespace zephrane;

struct Host {
    HostFileSystem fs{{}};
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};

    int Finish() const {
        for (const auto& m : dialogs.Messages()) std::cout << m.title << ": " << m.text << "\n";
        return dialogs.Messages().empty() ? 0 : 1;
    }
};

int Types(const std::string& basic) {
    Host host;
    const auto bytes = host.fs.ReadFile(basic, nullptr);
    if (!bytes) return 1;
    const UBoatTypeList types = ReadUBoatTypesFromText(*bytes, Date{1945, 5, 1});
    std::cout << types.entries.size() << " types" << (types.ok ? "" : ", " + types.error) << "\n";
    return types.ok ? 0 : 1;
}

int Loadout(const std::string& basic, std::string year, std::string type, std::string version) {
    Host host;
    std::vector<std::string> values(18, "-1");
    std::string error;
    const bool ok =
        SubAmmo(host.fs, basic, &error, year, type, version, values[0], values[1], values[2], values[3],
                values[4], values[5], values[6], values[7], values[8], values[9], values[10], values[11],
                values[12], values[13], values[14], values[15], values[16], values[17]);
    std::cout << "torpedoes " << values[0] << (ok ? "" : ", " + error) << "\n";
    return ok ? 0 : 1;
}

int Availability(const std::string& folder) {
    Host host;
    PatchState state;
    const ShowCounters show;
    const PatchContext ctx{host.platform, state, show, "Orv U-Boat Availability"};
    FixBasicAvailability(ctx, folder, "basic.cfg");
    std::cout << state.lProcessed << " processed\n";
    return host.Finish();
}

int Order(const std::string& program, const std::string& game, bool rewrite) {
    Host host;
    host.shell.programFolder = program;
    OrderState state;
    state.sGamePath = game;
    if (!LoadFlotillaTable(host.platform, state) || !rewrite) return host.Finish();
    FlotillaOrder order;
    order.j = static_cast<int>(state.FlotillaTable.size()) - 1;
    order.dStart = Date{1941, 3, 1};
    order.pickupCode = "750";
    order.pickupText = "Kiel";
    order.destinationCode = state.FlotillaTable.back().sMenuCode;
    RewriteFlotillaForOrder(host.platform, state, order);
    std::cout << state.FlotillaTable.size() << " flotillas\n";
    return host.Finish();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "types") return Types(args[1]);
    if (args.size() == 5 && args[0] == "loadout") return Loadout(args[1], args[2], args[3], args[4]);
    if (args.size() == 2 && args[0] == "availability") return Availability(args[1]);
    if (args.size() == 3 && args[0] == "table") return Order(args[1], args[2], false);
    if (args.size() == 3 && args[0] == "order") return Order(args[1], args[2], true);
    std::cerr << "usage: bench-files types BASIC | loadout BASIC YEAR TYPE VERSION | availability FOLDER |\n"
                 "                   table PROGRAM GAME | order PROGRAM GAME\n";
    return 2;
}
