#include <gtest/gtest.h>

#include "app/Settings.h"
#include "platform/HostFileSystem.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

TEST(Settings, PrintsTheFlagWithItsBlanks) {
    const std::vector<std::pair<int, std::string>> rows = {
        {0, " 0 "}, {1, " 1 "}, {-1, "-1 "}, {12, " 12 "}, {-300, "-300 "}};
    for (const auto& [value, printed] : rows) EXPECT_EQ(PrintNumber(value), printed) << value;
}

TEST(Settings, ReadsTheNumberAtTheStartOfALine) {
    const std::vector<std::pair<std::string, int>> rows = {
        {" 1 ", 1}, {"1", 1},  {"   0   ", 0}, {"-1 ", -1}, {" 1,0", 1}, {"7 and more", 7},
        {"", 0},    {"  ", 0}, {"yes", 0},     {"\t1", 1},  {"+3", 3},
    };
    for (const auto& [line, value] : rows) EXPECT_EQ(ReadNumber(line), value) << '"' << line << '"';
}

TEST(Settings, ReadsTheFlagAndTheFolderLinesUnchanged) {
    struct Row {
        std::string bytes;
        int flag;
        std::string game;
        std::string commander;
        std::optional<std::string> careers;
    };
    const std::vector<Row> rows = {
        {Crlf({" 1 ", "C:\\Game", "C:\\Commander", "C:\\Careers"}), 1, "C:\\Game", "C:\\Commander",
         "C:\\Careers"},
        // Folder lines keep their blanks: only an exact folder name counts later.
        {Crlf({" 0 ", " C:\\Game ", "", "  "}), 0, " C:\\Game ", "", "  "},
        {Crlf({" 1 ", "C:\\Game", "C:\\Commander"}), 1, "C:\\Game", "C:\\Commander", std::nullopt},
        {" 1 \r\nC:\\Game\r\nC:\\Commander", 1, "C:\\Game", "C:\\Commander", std::nullopt},
        {Crlf({" 0 ", "C:\\Game", "C:\\Commander", ""}), 0, "C:\\Game", "C:\\Commander", ""},
        {" 1 \nC:\\Game\nC:\\Commander\nC:\\Careers\n", 1, "C:\\Game", "C:\\Commander", "C:\\Careers"},
        {Crlf({" 1 "}), 1, "", "", std::nullopt},
        {"", 0, "", "", std::nullopt},
    };
    TempDir dir;
    HostFileSystem fs({});
    for (const auto& row : rows) {
        const auto file = dir.Write("Control.txt", row.bytes);
        const auto settings = ReadSettings(fs, file.string());
        ASSERT_TRUE(settings.has_value()) << row.bytes;
        EXPECT_EQ(settings->iSkipWarning, row.flag) << row.bytes;
        EXPECT_EQ(settings->gamePath, row.game) << row.bytes;
        EXPECT_EQ(settings->commanderPath, row.commander) << row.bytes;
        EXPECT_EQ(settings->careersPath, row.careers) << row.bytes;
    }
}

TEST(Settings, AMissingFileHasNoSettings) {
    TempDir dir;
    HostFileSystem fs({});
    EXPECT_FALSE(ReadSettings(fs, (dir.Path() / "Control.txt").string()).has_value());
}

TEST(Settings, WritesEveryLineWithCrLf) {
    TempDir dir;
    HostFileSystem fs({});
    const std::string path = (dir.Path() / "Control.txt").string();
    dir.Write("Control.txt", "old content that is longer than the new one\r\n\r\n\r\n\r\n\r\n");
    ASSERT_TRUE(WriteSettings(fs, path, 1, {" C:\\Game ", "", "C:\\Careers"}));
    EXPECT_EQ(ReadBytes(path), Crlf({" 1 ", " C:\\Game ", "", "C:\\Careers"}));
    ASSERT_TRUE(WriteSettings(fs, path, 0, {"", ""}));
    EXPECT_EQ(ReadBytes(path), Crlf({" 0 ", "", ""}));
}

}  // namespace
}  // namespace zephrane::testing
