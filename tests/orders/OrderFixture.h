#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "orders/Order.h"
#include "platform/HostFileSystem.h"
#include "platform/Platform.h"
#include "platform/RecordingDialogs.h"
#include "platform/RecordingShell.h"
#include "support/FlotillaLines.h"
#include "support/TestFiles.h"

namespace zephrane::testing {

// A flotilla configuration of five flotillas. Flotilla 3 (code 105) has four
// bases; 070 is shared by flotillas 0, 1 and 3 and 083 by flotillas 3 and 4.
inline const FlotillaCodes kCodes = {"070", "072", "080", "081", "083", "101", "102", "104", "105"};
inline const Lines kHead = FlotillaHead(kCodes);
inline const Lines kFlotilla3Bases = Flotilla3Bases(kCodes);

inline const Lines kNbUboats3 = {"NbUboats3=2"};

inline const Lines kTail = {
    "Uboat3_0=U-37",
    "Uboat3_1=U-38",
    "Flotilla4=107",
    "NbBases4=1",
    "Base4_0=083;Bergen",
    "Date4_0_0=1941",
    "Month4_0_0=3",
    "Date4_0_1=1945",
    "Month4_0_1=5",
    "DeparturePointLong4_0=530",
    "DeparturePointLat4_0=6040",
    "Heading4_0=300",
    "NbUboats4=0",
    "",
    "[UBOATS]",
    "Count=3",
};

inline std::string FlotillaCfg() {
    return Join({kHead, kFlotilla3Bases, kNbUboats3, kTail});
}

inline const Lines kMarker = {";   Touched by Zephrane"};

// Positions of the location and destination lists below.
enum Location { kKiel, kWilhelmshaven, kLorient, kBrest, kBergen, kLaSpezia };
enum Destination { k101, k102, k104, k105, k107 };

// Game, program and careers folders on disk, the recording dialogs and
// shell, and the main-window state of a window whose lists are filled.
class OrderFixture : public ::testing::Test {
protected:
    OrderFixture() {
        shell.programFolder = program.Str();
        state.sGamePath = game.Str();
        state.sCareersPath = careers.Str();
        state.sLocationCode = {"070", "072", "080", "081", "083", "090"};
        state.locationNames = {"Kiel", "Wilhelmshaven", "Lorient", "Brest", "Bergen", "La Spezia"};
        state.sDestinationCode = {"101", "102", "104", "105", "107"};
        state.sUBoatType = {{"SSTypeVIIC", "1"}, {"SSTypeIXB", "2"}};
    }

    std::filesystem::path LivePath() const { return game.Path() / "data" / "Cfg" / "Flotilla.cfg"; }
    std::filesystem::path BackupPath() const { return program.Path() / "Flotilla.cfg.orv"; }
    std::filesystem::path InstructionsPath() const { return program.Path() / "Instructions.txt"; }

    void WriteLive(const std::string& bytes) const { game.Write("data\\Cfg\\Flotilla.cfg", bytes); }
    void WriteBackup(const std::string& bytes) const { program.Write("Flotilla.cfg.orv", bytes); }
    std::string Live() const { return ReadBytes(LivePath()); }
    std::string Backup() const { return ReadBytes(BackupPath()); }
    bool BackupExists() const { return std::filesystem::exists(BackupPath()); }
    bool InstructionsExist() const { return std::filesystem::exists(InstructionsPath()); }

    // Names of the files in a folder, to see that no temporary file is left.
    static std::vector<std::string> FileNames(const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // A form for a transfer; the ended patrol and the month of the next one.
    static OrderForm TransferForm(int location, int destination, Date lastEnd, int year, int month) {
        OrderForm form;
        form.transfer = true;
        form.endDate = lastEnd;
        form.year = year;
        form.yearIndex = year - 1939;
        form.month = month;
        form.monthIndex = month - 1;
        form.locationIndex = location;
        form.locationText = kLocationTexts[location];
        form.destinationIndex = destination;
        form.destinationText = kDestinationTexts[destination];
        form.uboatNumberEnabled = false;
        form.uboatTypeEnabled = false;
        form.kommandantEnabled = false;
        return form;
    }

    // A commissioning by a serving commander: his fields filled in.
    OrderForm CommissioningForm(int location, int destination, Date lastEnd, int year, int month) const {
        OrderForm form = TransferForm(location, destination, lastEnd, year, month);
        form.text1 = game.Str();
        form.transfer = false;
        form.uboatNumberEnabled = form.uboatTypeEnabled = form.kommandantEnabled = true;
        form.uboatNumber = "123";
        form.uboatTypeIndex = 0;
        form.uboatTypeText = "VIIC";
        form.kommandantIndex = 0;
        form.kommandantText = "Hans Kurz  ";
        return form;
    }

    // A new commander: chkNew ticked, his fields and the end date disabled.
    static OrderForm NewCommanderForm(int location, int destination, int year, int month) {
        OrderForm form = TransferForm(location, destination, Date{1939, 1, 1}, year, month);
        form.transfer = false;
        form.chkNew = 1;
        form.endDateEnabled = false;
        return form;
    }

    // Hans Kurz, whose last patrol ended at `lastEnd`, and an empty basic.cfg.
    void WriteCareer(const std::string& lastEnd) const {
        careers.Write("Hans Kurz\\Patrols.cfg", Join({{"[PATROL 001]", "EndLocation=" + lastEnd}}));
        careers.Write("Hans Kurz\\Patrols_0.cfg",
                      Join({{"Patrols=1", "[PATROL 001]", "StartLocation=" + lastEnd,
                             "EndLocation=" + lastEnd, "SubType=SSTypeIIA", "SubVersion=1", "SubName=U-9"}}));
        careers.Write("Hans Kurz\\Careers_0.cfg",
                      Join({{"Careers=1", "[CAREER 001]", "SubVersion=1", "Z01=5", "ForeTubes=4"}}));
        game.Write("data\\Cfg\\basic.cfg", "");
    }

    std::string Career(const std::string& file) const {
        return ReadBytes(careers.Path() / "Hans Kurz" / file);
    }

    void ExpectMessages(const std::vector<RecordingDialogs::Message>& expected) const {
        const auto& actual = dialogs.Messages();
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].text, expected[i].text) << "message " << i;
            EXPECT_EQ(actual[i].style, expected[i].style) << "message " << i;
            EXPECT_EQ(actual[i].title, expected[i].title) << "message " << i;
        }
    }

    static inline const std::vector<std::string> kLocationTexts = {"Kiel",  "Wilhelmshaven", "Lorient",
                                                                   "Brest", "Bergen",        "La Spezia"};
    static inline const std::vector<std::string> kDestinationTexts = {"1. U-Flottille", "2. U-Flottille",
                                                                      "4. U-Flottille", "5. U-Flottille",
                                                                      "7. U-Flottille", "9. U-Flottille"};

    TempDir game;
    TempDir program;
    TempDir careers;
    HostFileSystem fs{{}};
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform platform{fs, dialogs, shell};
    OrderState state;
};

}  // namespace zephrane::testing
