// The three folder fields, their "Change" buttons, the commander roster and
// the lists that come from an accepted game folder.
#include "app/FrmMain.h"
#include "app/ProgramInfo.h"
#include "gamefiles/CfgLine.h"
#include "gamefiles/MenuLists.h"
#include "gamefiles/UBoatTypes.h"
#include "platform/ShownPath.h"
#include "platform/TextFile.h"
#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

const char* const kMenuFile = "\\data\\Menu\\en_menu.txt";
const char* const kBasicCfg = "\\data\\cfg\\basic.cfg";
const char* const kCommanderProof = "\\Cfg\\U-boat numbers.cfg";
const char* const kFolderTitle = "Select Driectory";

void FillList(QComboBox* list, const std::vector<std::string>& entries) {
    list->clear();
    for (const auto& entry : entries) list->addItem(ToQString(entry));
    list->setCurrentIndex(-1);
}

}  // namespace

void FrmMain::ChangeFolder(QLineEdit* field, const std::string& title) {
    const auto chosen = platform_.dialogs.BrowseForFolder(title, FromQString(field->text()));
    if (!chosen) return;
    // The browser's path ends at its first NUL, as the shell returns it.
    const QString folder = ToQString(chosen->substr(0, chosen->find('\0')));
    // Choosing the folder the field already shows is a change too: the folder
    // is checked and read again (a commander created meanwhile is listed).
    if (field->text() == folder) {
        emit field->textChanged(folder);
    } else {
        field->setText(folder);
    }
}

void FrmMain::Text1_Change() {
    const std::string folder = FromQString(Text1->text());
    if (!platform_.fs.FileExists(folder + kMenuFile)) {
        platform_.dialogs.MsgBox("This does not appear to the a SilentHunterIII Directory.",
                                 kStyleInformation, kFolderTitle);
        return;
    }
    state_.sGamePath = folder;
    FillLocations(state_.sGamePath + kMenuFile);
    FillUBoatTypes(state_.sGamePath + kBasicCfg);
}

void FrmMain::Text2_Change() {
    const std::string folder = TrimBlanks(FromQString(Text2->text()));
    if (!platform_.fs.FileExists(folder + kCommanderProof)) {
        platform_.dialogs.MsgBox("This does not appear to the a SH3 Commander Directory.", kStyleInformation,
                                 kFolderTitle);
        return;
    }
    state_.sCommanderPath = folder;
}

void FrmMain::Text3_Change() {
    state_.sCareersPath = TrimBlanks(FromQString(Text3->text()));
    if (!platform_.fs.FolderExists(state_.sCareersPath)) return;
    const auto subfolders = platform_.fs.SubFolders(state_.sCareersPath);
    if (!subfolders) {
        platform_.dialogs.MsgBox(
            "The commanders could not be listed from\r\n" + ShownPath(state_.sCareersPath), kStyleCritical,
            kProgramTitle);
        return;
    }
    std::vector<std::string> names;
    for (const auto& folder : *subfolders) {
        if (folder.name != "Player") names.push_back(folder.name);
    }
    FillList(cboKommandant, names);
}

void FrmMain::FillLocations(const std::string& menuPath) {
    std::string error;
    const auto lines = ReadLines(platform_.fs, menuPath, &error);
    if (!lines) {
        platform_.dialogs.MsgBox(
            "The game's menu text could not be read:\r\n" + ShownPath(menuPath) + "\r\n" + error,
            kStyleCritical, kProgramTitle);
        return;
    }
    const MenuLists lists = ParseMenuLists(*lines);
    FillList(cboLocation, lists.locations);
    FillList(cboDestination, lists.destinations);
    state_.sLocationCode = lists.locationCodes;
    state_.sDestinationCode = lists.destinationCodes;
}

void FrmMain::FillUBoatTypes(const std::string& basicCfgPath) {
    ++refills_;
    cboUBoatType->clear();
    state_.sUBoatType.clear();

    std::optional<int> month;
    std::optional<int> year;
    if (cboMonth->currentIndex() >= 0 && cboYear->currentIndex() >= 0) {
        month = cboMonth->currentData().toInt();
        year = cboYear->currentData().toInt();
    }
    const QDate shown = ssEndDate->date();
    const Date reference =
        ReferenceDate(ssEndDate->isEnabled(), Date{shown.year(), shown.month(), shown.day()}, month, year);

    std::string error;
    const auto bytes = platform_.fs.ReadFile(basicCfgPath, &error);
    if (bytes) error = NotTextProblem(*bytes);
    if (!bytes || !error.empty()) {
        platform_.dialogs.MsgBox(
            "The U-boat types could not be read from\r\n" + ShownPath(basicCfgPath) + "\r\n" + error,
            kStyleCritical, kProgramTitle);
        return;
    }
    const UBoatTypeList types = ReadUBoatTypesFromText(*bytes, reference);
    for (const auto& entry : types.entries) {
        cboUBoatType->addItem(ToQString(entry.name));
        state_.sUBoatType.push_back({entry.subType, entry.subVersion});
    }
    cboUBoatType->setCurrentIndex(-1);
    if (!types.ok) {
        platform_.dialogs.MsgBox("The U-boat types could not be read completely from\r\n" +
                                     ShownPath(basicCfgPath) + "\r\n" + types.error,
                                 kStyleCritical, kProgramTitle);
    }
}

}  // namespace zephrane
