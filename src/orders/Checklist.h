#pragma once

#include <string>
#include <vector>

#include "gamefiles/Dates.h"
#include "platform/Platform.h"

namespace zephrane {

enum class ChecklistKind { HomePort, Transfer, Experienced, NewCommander };

// The values an order puts into its checklist.
struct ChecklistValues {
    std::string locationText;     // selected cboLocation entry, as shown
    std::string destinationText;  // selected cboDestination entry, as shown
    std::string kommandantText;   // selected cboKommandant entry, as shown
    std::string uboatNumber;      // txtUBoatNumber, as typed
    std::string uboatTypeText;    // selected cboUBoatType entry, as shown
    Date lastPatrolEnd;           // the date ssEndDate shows
    Date dCommission;
    Date dStart;
    Date dEnterBase;
    std::string sBaseName;
};

// The lines of Instructions.txt; an empty text is an empty line.
std::vector<std::string> ChecklistLines(ChecklistKind kind, const ChecklistValues& values);

// The checklist's path: the program's folder + "\Instructions.txt".
std::string ChecklistPath(const Shell& shell);

// Writes Instructions.txt anew and opens it in Notepad. A file that cannot be
// written is reported by a message box that names the file; when Notepad (or
// the desktop's viewer) cannot be started, the checklist is shown in the
// program's own window.
void WriteChecklist(Platform& platform, ChecklistKind kind, const ChecklistValues& values);

}  // namespace zephrane
