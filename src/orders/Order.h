#pragma once

#include <array>
#include <string>
#include <vector>

#include "gamefiles/Dates.h"
#include "orders/FlotillaTable.h"
#include "platform/Platform.h"

namespace zephrane {

// What the order form shows when "Initiate Update" is pressed: a snapshot of
// the controls the order reads. Texts are Windows-1252; -1 = nothing selected.
struct OrderForm {
    bool transfer = false;       // Option1(1) is selected
    int chkNew = 0;              // 0 unticked, 1 ticked, 2 grey
    bool endDateEnabled = true;  // ssEndDate
    Date endDate;                // the date ssEndDate shows
    int monthIndex = -1;         // cboMonth
    int month = 0;               // its item data
    int yearIndex = -1;          // cboYear
    int year = 0;                // its item data
    int locationIndex = -1;      // cboLocation
    std::string locationText;
    int destinationIndex = -1;  // cboDestination
    std::string destinationText;
    bool uboatNumberEnabled = true;  // txtUBoatNumber
    std::string uboatNumber;
    bool uboatTypeEnabled = true;  // cboUBoatType
    int uboatTypeIndex = -1;
    std::string uboatTypeText;
    bool kommandantEnabled = true;  // cboKommandant
    int kommandantIndex = -1;
    std::string kommandantText;
    std::string text1;  // Text1 as it stands (the loadout reads basic.cfg below it)
};

// The main-window state an order reads and writes.
struct OrderState {
    std::string sGamePath;
    std::string sCareersPath;
    std::vector<std::string> sLocationCode;              // code of each cboLocation entry
    std::vector<std::string> locationNames;              // text of each cboLocation entry
    std::vector<std::string> sDestinationCode;           // code of each cboDestination entry
    std::vector<std::array<std::string, 2>> sUBoatType;  // SubType, SubVersion of each cboUBoatType entry
    std::vector<FlotillaRec> FlotillaTable;
    std::vector<BaseRec> BaseTable;
    bool bSameLocation = false;
};

}  // namespace zephrane
