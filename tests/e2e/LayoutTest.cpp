// The two windows as their layout tables (tests/data/layout) give them: every
// control in its place, with its size, parent, caption or content, enabled
// and visible at start, and the tab order of the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "e2e/DriveSession.h"

namespace zephrane::testing {
namespace {

struct Control {
    std::string name, kind, parent;
    int left, top, width, height;
    std::string tab;
};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<Control> LayoutTable(const std::string& window) {
    std::istringstream in(Data("layout/" + window + ".txt"));
    std::vector<Control> table;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        Lines f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '|');) f.push_back(Trim(field));
        f.resize(8);
        table.push_back(
            {f[0], f[1], f[2], std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5]), std::stoi(f[6]), f[7]});
    }
    return table;
}

// The driver's screen has 96 dots per inch: 15 twips make one pixel.
int Px(int twips) {
    return twips / 15;
}

int Number(const std::string& line, const std::string& key) {
    const auto at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1 : std::stoi(line.substr(at + key.size() + 3));
}

// Checks the printed layout of `window` against its table.
void ExpectLayout(const Lines& printed, const std::string& window) {
    const auto table = LayoutTable(window);
    const Lines layout = With(printed, "{\"layout\":\"" + window + "\"");
    EXPECT_EQ(layout.size(), table.size() + 1) << "controls that the table does not have, or lacks";
    std::vector<const Control*> tabOrder;
    for (const auto& c : table) {
        SCOPED_TRACE(c.name);
        const std::string head = "{\"layout\":\"" + window + "\",\"control\":" + JsonQuote(c.name) + ",";
        const auto found = std::find_if(layout.begin(), layout.end(),
                                        [&](const std::string& line) { return line.rfind(head, 0) == 0; });
        ASSERT_NE(found, layout.end());
        if (c.kind == "window") {
            EXPECT_EQ(*found, head + "\"width\":" + std::to_string(Px(c.width)) +
                                  ",\"height\":" + std::to_string(Px(c.height)) + "}");
        } else if (c.kind == "line") {
            EXPECT_EQ(Number(*found, "left"), Px(c.left));
            EXPECT_EQ(Number(*found, "width"), Px(c.width));
            EXPECT_LE(Number(*found, "top"), Px(c.top));
            EXPECT_GT(Number(*found, "top") + Number(*found, "height"), Px(c.top));
        } else {
            EXPECT_EQ(*found, head + "\"parent\":" + JsonQuote(c.parent) + ",\"left\":" +
                                  std::to_string(Px(c.left)) + ",\"top\":" + std::to_string(Px(c.top)) +
                                  ",\"width\":" + std::to_string(Px(c.width)) +
                                  ",\"height\":" + std::to_string(Px(c.height)) + ",\"visible\":true}");
        }
        const Lines focusable = {"text", "button", "list", "check", "option", "date"};
        if (std::count(focusable.begin(), focusable.end(), c.kind)) tabOrder.push_back(&c);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](const Control* a, const Control* b) {
        return std::stoi(a->tab) < std::stoi(b->tab);
    });
    std::string names;
    for (const auto* c : tabOrder) names += (names.empty() ? "" : ",") + JsonQuote(c->name);
    EXPECT_EQ(layout.back(), "{\"layout\":\"" + window + "\",\"taborder\":[" + names + "]}");
}

// The layout from the tables; what the controls show at start (captions,
// contents, all enabled, nothing chosen) from tests/data/e2e/start-up.txt.
TEST(Layout, BothWindowsAreLaidOutAsTheirTablesSay) {
    TempDir program;
    TempDir journal;
    Lines commands = {"layout frmSplash", "start", "layout frmMain"};
    for (const auto& c : LayoutTable("frmMain")) commands.push_back("show " + c.name);
    const Lines printed =
        RunDrive({"--program-dir", program.Path().string(), "--journal", journal.Path().string()}, commands);
    ExpectLayout(printed, "frmSplash");
    ExpectLayout(printed, "frmMain");
    Lines shown;
    for (const auto& line : printed) {
        if (line.rfind("{\"layout\"", 0) == 0) continue;
        // The font's family is the first of the window's list the machine
        // has; the file holds the line without it and the captions' size.
        const auto font =
            line.rfind("{\"control\":\"frmMain\"", 0) == 0 ? line.find(",\"font\":") : std::string::npos;
        EXPECT_TRUE(font == std::string::npos || line.find(",\"pointsize\":", font) != std::string::npos)
            << line;
        shown.push_back(font == std::string::npos ? line : line.substr(0, font) + "}");
    }
    EXPECT_EQ(Crlf(shown), Data("e2e/start-up.txt"));
}

}  // namespace
}  // namespace zephrane::testing
