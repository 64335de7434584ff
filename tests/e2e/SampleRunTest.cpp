// The sample installation carries every order and every patch through
// without a single error: what a player trying the demo sees.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "e2e/DriveSession.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

#ifdef ZEPHRANE_SAMPLE_PATH

// The three folders zephrane-sample prints for a new sample under `dir`.
std::vector<std::string> WriteSample(const std::filesystem::path& dir) {
    std::vector<std::string> folders;
    const std::string command = std::string("'") + ZEPHRANE_SAMPLE_PATH + "' '" + dir.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> out(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    while (out && std::fgets(buffer, sizeof buffer, out.get())) {
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n') line.pop_back();
        folders.push_back(line);
    }
    return folders;
}

// The entries of the "items" array of a printed list.
std::vector<std::string> Items(const std::string& shown) {
    std::vector<std::string> items;
    std::size_t i = shown.find("\"items\":[");
    if (i == std::string::npos) return items;
    i += 9;
    while (i < shown.size() && shown[i] == '"') {
        std::string item;
        for (++i; i < shown.size() && shown[i] != '"'; ++i) {
            if (shown[i] == '\\') ++i;
            item += shown[i];
        }
        items.push_back(item);
        i += 2;  // the closing quote and the comma (or the bracket)
    }
    return items;
}

class SampleSession {
public:
    SampleSession(const std::string& programDir) : drive_({"--program-dir", programDir}) {}

    // Selects the entry with this text, as a player picks it from the list.
    void Choose(const std::string& list, const std::string& text) {
        const auto shown = drive_.Run({"show " + list});
        const auto items = Items(shown.empty() ? "" : shown.front());
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                Do({"select " + list + " " + std::to_string(i)});
                return;
            }
        }
        ADD_FAILURE() << list << " has no entry " << text << ": " << (shown.empty() ? "" : shown.front());
    }

    std::vector<std::string> Do(const std::vector<std::string>& commands) {
        auto printed = drive_.Run(commands);
        printed_.insert(printed_.end(), printed.begin(), printed.end());
        return printed;
    }

    const std::vector<std::string>& Printed() const { return printed_; }

private:
    LiveDrive drive_;
    std::vector<std::string> printed_;
};

std::vector<std::string> Matching(const std::vector<std::string>& lines, const std::string& fragment) {
    std::vector<std::string> out;
    for (const auto& l : lines) {
        if (l.find(fragment) != std::string::npos) out.push_back(l);
    }
    return out;
}

TEST(SampleRun, EveryOrderAndEveryPatchGoesThroughOnTheSample) {
    TempDir root;
    const auto folders = WriteSample(root.Path() / "sample");
    ASSERT_EQ(folders.size(), 3u);
    const auto program = root.MakeDir("program");
    root.Write("program/Control.txt", Crlf({" 1 ", folders[0], folders[1], folders[2]}));

    SampleSession s(program.string());
    s.Do({"start"});

    // Commissioning at the home port: Sommerfeld's last patrol ended at Lorient.
    s.Choose("cboKommandant", "Hartwig Sommerfeld");
    s.Do({"date ssEndDate 1941-08-23", "select cboYear 2", "select cboMonth 9", "type txtUBoatNumber 123"});
    s.Choose("cboLocation", "Lorient");
    s.Choose("cboDestination", R"(2. U-Flottille "Saltzwedel")");
    s.Choose("cboUBoatType", "VIIC");
    const auto homePort = s.Do({"click btnInitiateUpdate"});

    // A serving commander gets a new boat elsewhere.
    s.Choose("cboKommandant", "Till Brackenhoff");
    s.Do({"date ssEndDate 1943-02-14", "select cboYear 4", "select cboMonth 3"});
    s.Choose("cboLocation", "Kiel");
    s.Choose("cboDestination", R"(1. U-Flottille "Weddigen")");
    s.Choose("cboUBoatType", "IXC");
    const auto serving = s.Do({"click btnInitiateUpdate"});

    // A new commander's first boat, for a flotilla that opens later. The
    // disabled date still counts: it must not lie after the next patrol.
    s.Do({"date ssEndDate 1940-12-01", "click chkNew", "select cboYear 2", "select cboMonth 0"});
    s.Choose("cboLocation", "Kiel");
    s.Choose("cboDestination", "3. U-Flottille");
    const auto newCommander = s.Do({"click btnInitiateUpdate"});

    // A transfer between flotillas.
    s.Do({"click chkNew", "click Option1 1", "date ssEndDate 1941-08-23", "select cboYear 2",
          "select cboMonth 9"});
    s.Choose("cboLocation", "Brest");
    s.Choose("cboDestination", "9. U-Flottille");
    const auto transfer = s.Do({"click btnInitiateUpdate"});

    for (const auto* order : {&homePort, &serving, &newCommander, &transfer}) {
        EXPECT_EQ(Matching(*order, "\"run\"").size(), 1u);
    }
    const std::string transferChecklist =
        Crlf({"================", "  INSTRUCTIONS", "================", ""}) +
        "Kommandant's Checklist -- Inter-Flottille Transfer ...";
    EXPECT_EQ(ReadBytes(program / "Instructions.txt").substr(0, transferChecklist.size()), transferChecklist);

    const auto reset = s.Do({"click cmdReset"});
    const std::vector<std::string> patches[] = {
        s.Do({"click btnFixRenown 0"}), s.Do({"click btnFixRenown 1"}), s.Do({"click btnFixRenown 2"}),
        s.Do({"click btnFixRenown 3"})};
    const char* titles[] = {"Increate Renown", "Reset Renown", "Add XXI to 33. U-Flottille",
                            "Orv U-Boat Availability"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Matching(patches[i], "\"msgbox\""),
                  std::vector<std::string>{
                      MsgBoxLine(0, titles[i], "Update Complete.", "hourglass", kLockedButtonsJson)});
    }

    // The only message of the whole session is the reset's report.
    EXPECT_EQ(Matching(s.Printed(), "\"msgbox\"").size(), 5u);
    EXPECT_EQ(Matching(reset, "\"msgbox\""),
              std::vector<std::string>{
                  MsgBoxLine(64, "Reset Configuration", "Your Flotilla.cfg file has been reset.")});
    EXPECT_TRUE(Matching(s.Printed(), "\"error\"").empty());
}

#endif

}  // namespace
}  // namespace zephrane::testing
