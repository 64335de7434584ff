#pragma once

// The orders of the tests that call the order routines directly, on the
// installation tests/data/orders/install: its paths, the main window's state
// as its menu and basic.cfg fill it, and the forms of each kind of order.
#include "orders/Order.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

inline const std::string kLive = "c/SilentHunterIII/data/Cfg/Flotilla.cfg";
inline const std::string kBackup = "program/Flotilla.cfg.orv";
inline const std::string kLivePath = "C:\\SilentHunterIII\\data\\Cfg\\Flotilla.cfg";
inline const Lines kLocations = {"Kiel", "Wilhelmshaven", "Lorient", "Brest", "Bergen", "La Spezia"};
enum Location { kKiel, kWilhelmshaven, kLorient, kBrest, kBergen, kLaSpezia };
enum Destination { k1st, k2nd, k3rd, k5th, k7th, k9th, k10th };

// The main window's state as the installation's menu and basic.cfg fill it.
inline OrderState State() {
    return {.sGamePath = "C:\\SilentHunterIII",
            .sCareersPath = "C:\\Careers",
            .sLocationCode = {"750", "751", "752", "753", "754", "755"},
            .locationNames = kLocations,
            .sDestinationCode = {"902", "903", "904", "905", "906", "907", "908"},
            .sUBoatType = {{"2", "1"}, {"7", "1"}, {"7", "2"}},
            .FlotillaTable = {},
            .BaseTable = {}};
}

// Hans Kurz commissions U-123, a VIIC; his last patrol ended on `end`.
inline OrderForm Serving(Date end, int month, int year, int location, int destination) {
    return {.endDate = end,
            .monthIndex = month - 1,
            .month = month,
            .yearIndex = year - 1939,
            .year = year,
            .locationIndex = location,
            .locationText = kLocations[location],
            .destinationIndex = destination,
            .destinationText = "a flotilla",
            .uboatNumber = "123",
            .uboatTypeIndex = 2,
            .uboatTypeText = "VIIC",
            .kommandantIndex = 0,
            .kommandantText = "Hans Kurz",
            .text1 = "C:\\SilentHunterIII"};
}

// The fields a transfer or a new commander disables, empty.
inline OrderForm WithoutBoat(OrderForm f) {
    f.uboatNumberEnabled = f.uboatTypeEnabled = f.kommandantEnabled = false;
    f.uboatNumber.clear();
    f.uboatTypeIndex = f.kommandantIndex = -1;
    return f;
}

inline OrderForm NewCommander(int month, int year, int location, int destination) {
    OrderForm f = WithoutBoat(Serving({1939, 8, 1}, month, year, location, destination));
    f.chkNew = 1;
    f.endDateEnabled = false;
    return f;
}

}  // namespace zephrane::testing
