// Start-up and close of the main window: the working folders, the settings
// file, the month and year lists and the start-up warning.
#include <QCoreApplication>

#include "app/FrmMain.h"
#include "app/FrmSplash.h"
#include "app/ProgramInfo.h"
#include "app/Settings.h"
#include "app/Twips.h"
#include "gamefiles/CfgLine.h"
#include "platform/ShownPath.h"
#include "platform/qt/QtText.h"

namespace zephrane {
namespace {

const std::vector<std::string> kGameCandidates = {":\\Program Files\\Ubisoft\\SilentHunterIII",
                                                  ":\\Ubisoft\\SilentHunterIII"};
const std::vector<std::string> kCommanderCandidates = {":\\Program Files\\SH3 Commander"};
const char* const kCareersBelowDocuments = "\\SH3\\data\\cfg\\Careers";

// A drive whose letter comes before "C".
bool IsFloppyDrive(const std::string& letter) {
    std::string upper = letter;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper < "C";
}

}  // namespace

std::string FrmMain::SettingsPath() const {
    return platform_.shell.ProgramFolder() + kSettingsFile;
}

void FrmMain::Form_Load() {
    // What an interrupted run left half-done is put back before anything is read.
    RecoverInterruptedOperations();
    CentreOnScreen(this);
    state_.sGamePath.clear();
    state_.sCommanderPath.clear();
    state_.sCareersPath.clear();
    state_.bSameLocation = false;
    iSkipWarning_ = 0;

    RestoreFolders();
    if (state_.sGamePath.empty()) state_.sGamePath = SearchDrives(kGameCandidates);
    if (state_.sCommanderPath.empty()) state_.sCommanderPath = SearchDrives(kCommanderCandidates);
    if (state_.sCareersPath.empty()) {
        state_.sCareersPath = FindCareersFolder();
        if (state_.sCareersPath.empty()) {
            platform_.dialogs.MsgBox("Unable to find SH3 Careers folder in your 'Documents' path.",
                                     kStylePlain, "Careers Path");
        }
    }

    // The fields and the settings file show each folder in the form the user
    // knows it (a documents folder of the host followed by "\SH3\..." would
    // otherwise mix separators).
    for (std::string* folder : {&state_.sGamePath, &state_.sCommanderPath, &state_.sCareersPath}) {
        *folder = ShownPath(*folder);
    }

    // Setting the fields runs their checks, which fill the lists.
    const std::string game = state_.sGamePath;
    const std::string commander = state_.sCommanderPath;
    const std::string careers = state_.sCareersPath;
    if (!game.empty()) Text1->setText(ToQString(game));
    if (!commander.empty()) Text2->setText(ToQString(commander));
    if (!careers.empty()) Text3->setText(ToQString(careers));

    const auto written = WriteSettings(platform_.fs, SettingsPath(), iSkipWarning_,
                                       {state_.sGamePath, state_.sCommanderPath, state_.sCareersPath});
    if (!written) {
        platform_.dialogs.MsgBox(
            "The settings could not be saved in\r\n" + ShownPath(SettingsPath()) + "\r\n" + written.error,
            kStyleCritical, kProgramTitle);
    }
    FillMonthsAndYears();
    ShowWarningIfWanted();
}

// Folders named in the settings file count only while they exist.
void FrmMain::RestoreFolders() {
    const auto settings = ReadSettings(platform_.fs, SettingsPath());
    if (!settings) return;
    iSkipWarning_ = settings->iSkipWarning;
    if (platform_.fs.FolderExists(settings->gamePath)) state_.sGamePath = settings->gamePath;
    if (platform_.fs.FolderExists(settings->commanderPath)) state_.sCommanderPath = settings->commanderPath;
    if (settings->careersPath && platform_.fs.FolderExists(*settings->careersPath)) {
        state_.sCareersPath = *settings->careersPath;
    }
}

// Every candidate is tried on one drive before the next drive; A and B are
// floppy drives and never searched, however the system spells their letters.
std::string FrmMain::SearchDrives(const std::vector<std::string>& candidates) const {
    for (const auto& letter : platform_.fs.Drives()) {
        if (IsFloppyDrive(letter)) continue;
        for (const auto& candidate : candidates) {
            const std::string folder = letter + candidate;
            if (platform_.fs.FolderExists(folder)) return folder;
        }
    }
    return "";
}

std::string FrmMain::FindCareersFolder() const {
    if (auto documents = platform_.shell.DocumentsFolder()) {
        std::string folder = documents->substr(0, documents->find('\0'));
        folder = TrimBlanks(folder) + kCareersBelowDocuments;
        if (platform_.fs.FolderExists(folder)) return folder;
    }
    const std::string profile = platform_.shell.GetEnv("USERPROFILE").value_or("");
    for (const char* below : {"\\My Documents", "\\Documents"}) {
        const std::string folder = profile + below + kCareersBelowDocuments;
        if (platform_.fs.FolderExists(folder)) return folder;
    }
    return "";
}

void FrmMain::FillMonthsAndYears() {
    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Adding entries is no choice of the user: no handler runs, nothing is selected.
    const QSignalBlocker blockMonths(cboMonth);
    const QSignalBlocker blockYears(cboYear);
    for (int m = 0; m < 12; ++m) cboMonth->insertItem(m, kMonths[m], m + 1);
    for (int y = 0; y < 7; ++y) cboYear->insertItem(y, QString::number(1939 + y), 1939 + y);
    cboMonth->setCurrentIndex(-1);
    cboYear->setCurrentIndex(-1);
}

void FrmMain::ShowWarningIfWanted() {
    const auto settings = ReadSettings(platform_.fs, SettingsPath());
    if (settings && settings->iSkipWarning != 0) return;
    FrmSplash splash(platform_, this);
    platform_.dialogs.ShowModal(splash);
}

void FrmMain::Form_Unload() {
    // A missing or unreadable settings file keeps the warning switched on.
    const auto settings = ReadSettings(platform_.fs, SettingsPath());
    const int flag = settings ? settings->iSkipWarning : 0;
    const auto written =
        WriteSettings(platform_.fs, SettingsPath(), flag,
                      {FromQString(Text1->text()), FromQString(Text2->text()), FromQString(Text3->text())});
    if (!written) {
        platform_.dialogs.MsgBox(
            "The settings could not be saved in\r\n" + ShownPath(SettingsPath()) + "\r\n" + written.error,
            kStyleCritical, kProgramTitle);
    }
}

void FrmMain::btnExit_Click() {
    if (close()) QCoreApplication::quit();
}

}  // namespace zephrane
