// The sample installation carries every order, the reset and every patch
// through without a single error: what a player trying the demo sees.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

// The three folders zephrane-sample prints for a new sample under `dir`.
Lines WriteSample(const std::filesystem::path& dir) {
    Lines folders;
    const std::string command = std::string("'") + ZEPHRANE_SAMPLE_PATH + "' '" + dir.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> out(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    while (out && std::fgets(buffer, sizeof buffer, out.get())) {
        folders.emplace_back(buffer);
        folders.back().pop_back();
    }
    return folders;
}

// Selects the entry of `list` with this text, as a player picks it.
std::string Choose(DriveSession& session, const std::string& list, const std::string& text) {
    const Lines shown = session.Run({"show " + list});
    const std::string line = shown.empty() ? "" : shown[0];
    int index = 0;
    for (auto at = line.find("\"items\":[") + 9; at < line.size() && line[at] == '"'; at += 2, ++index) {
        std::string item;
        for (++at; at < line.size() && line[at] != '"'; ++at)
            item += line[at] == '\\' ? line[++at] : line[at];
        if (item == text) return "select " + list + " " + std::to_string(index);
    }
    ADD_FAILURE() << list << " has no entry " << text << ": " << line;
    return "echo none";
}

TEST(Sample, EveryOrderTheResetAndEveryPatchGoThrough) {
    TempDir root;
    const auto folders = WriteSample(root.Path() / "sample");
    ASSERT_EQ(folders.size(), 3u);
    root.Write("program/Control.txt", Crlf({" 1 ", folders[0], folders[1], folders[2]}));
    DriveSession s({"--program-dir", (root.Path() / "program").string()});
    Lines printed = s.Run({"start"});
    const auto order = [&](const Lines& form,
                           const std::vector<std::pair<std::string, std::string>>& choices) {
        Lines out = s.Run(form);
        for (const auto& [list, text] : choices) s.Run({Choose(s, list, text)});
        const Lines click = s.Run({"click btnInitiateUpdate"});
        EXPECT_EQ(With(click, "\"run\"").size(), 1u) << form.front();
        printed.insert(printed.end(), out.begin(), out.end());
        printed.insert(printed.end(), click.begin(), click.end());
    };
    // Sommerfeld's last patrol ended at Lorient: a commissioning at his home port.
    order({"date ssEndDate 1941-08-23", "select cboYear 2", "select cboMonth 9", "type txtUBoatNumber 123"},
          {{"cboKommandant", "Hartwig Sommerfeld"},
           {"cboLocation", "Lorient"},
           {"cboDestination", "2. U-Flottille \"Saltzwedel\""},
           {"cboUBoatType", "VIIC"}});
    order({"date ssEndDate 1943-02-14", "select cboYear 4", "select cboMonth 3"},
          {{"cboKommandant", "Till Brackenhoff"},
           {"cboLocation", "Kiel"},
           {"cboDestination", "1. U-Flottille \"Weddigen\""},
           {"cboUBoatType", "IXC"}});
    // The new commander's disabled date still must not lie after the next patrol.
    order({"date ssEndDate 1940-12-01", "click chkNew", "select cboYear 2", "select cboMonth 0"},
          {{"cboLocation", "Kiel"}, {"cboDestination", "3. U-Flottille"}});
    order({"click chkNew", "click Option1 1", "date ssEndDate 1941-08-23", "select cboYear 2",
           "select cboMonth 9"},
          {{"cboLocation", "Brest"}, {"cboDestination", "9. U-Flottille"}});
    EXPECT_EQ(With(s.Run({"click cmdReset"}), "\"msgbox\""),
              Lines{MsgBoxLine(64, "Reset Configuration", "Your Flotilla.cfg file has been reset.")});
    const char* titles[] = {"Increate Renown", "Reset Renown", "Add XXI to 33. U-Flottille",
                            "Orv U-Boat Availability"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(With(s.Run({"click btnFixRenown " + std::to_string(i)}), "\"msgbox\""),
                  Lines{MsgBoxLine(0, titles[i], "Update Complete.", true)});
    }
    EXPECT_EQ(With(printed, "\"msgbox\""), Lines{});
    EXPECT_EQ(With(printed, "\"error\""), Lines{});
}

}  // namespace
}  // namespace zephrane::testing
