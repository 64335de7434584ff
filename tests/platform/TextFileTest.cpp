#include <gtest/gtest.h>

#include "platform/HostFileSystem.h"
#include "platform/TextFile.h"
#include "support/TestFiles.h"

namespace zephrane {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using Lines = std::vector<std::string>;

TEST(SplitLines, EndsALineAtCrCrLfOrLf) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\r\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\n\n", {"", ""}},
        {" \r\n\t", {" ", "\t"}},
    };
    for (const auto& k : cases) EXPECT_EQ(SplitLines(k.bytes), k.lines) << ::testing::PrintToString(k.bytes);
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({"a"}), "a\r\n");
    EXPECT_EQ(JoinLines({"", ""}), "\r\n\r\n");
    EXPECT_EQ(JoinLines({"[FLOTILLA]", "NbBases=2"}), "[FLOTILLA]\r\nNbBases=2\r\n");
}

TEST(TextFile, EveryByteButLineEndsSurvivesReadAndWrite) {
    TempDir dir;
    std::string line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') line += static_cast<char>(b);
    }
    dir.Write("in.txt", line + "\n" + line);
    HostFileSystem hfs({});

    const auto lines = ReadLines(hfs, dir.Str() + "\\in.txt");
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(*lines, (Lines{line, line}));
    ASSERT_TRUE(WriteLines(hfs, dir.Str() + "\\out.txt", *lines));
    EXPECT_EQ(ReadBytes(dir.Path() / "out.txt"), line + "\r\n" + line + "\r\n");

    std::string error;
    EXPECT_FALSE(ReadLines(hfs, dir.Str() + "\\missing.txt", &error).has_value());
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace zephrane
