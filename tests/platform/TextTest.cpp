// Text files and the program's single-byte character set: every byte but the
// line ends comes back as it was.
#include <gtest/gtest.h>

#include "platform/Cp1252.h"
#include "platform/HostFileSystem.h"
#include "platform/TextFile.h"
#include "support/TestFiles.h"

namespace zephrane::testing {
namespace {

TEST(TextFile, LinesEndAtCrCrLfOrLfAndAreWrittenWithCrLf) {
    // clang-format off
    const std::pair<std::string, Lines> files[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}}, {"a\r\n\r\nb\r\n", {"a", "", "b"}}, {"\r\n", {""}}, {"\r\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}}, {"\n\n", {"", ""}}, {" \r\n\t", {" ", "\t"}},
        // Longer than a string keeps in itself, so that reading past the end is seen.
        {"a line longer than a short string\r", {"a line longer than a short string"}},
        // A byte-order mark opens the file, not its first line.
        {"\xEF\xBB\xBF[A]\r\n", {"[A]"}}, {"\xEF\xBB[A]", {"\xEF\xBB[A]"}}, {"a\xEF\xBB\xBF", {"a\xEF\xBB\xBF"}}};
    // clang-format on
    for (const auto& [bytes, lines] : files)
        EXPECT_EQ(SplitLines(bytes), lines) << ::testing::PrintToString(bytes);

    TempDir dir;
    std::string line;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') line += static_cast<char>(b);
    }
    dir.Write("in.txt", line + "\n" + line);
    HostFileSystem fs({});
    const auto lines = ReadLines(fs, (dir.Path() / "in.txt").string());
    ASSERT_EQ(lines, (Lines{line, line}));
    ASSERT_TRUE(WriteLines(fs, (dir.Path() / "out.txt").string(), *lines));
    EXPECT_EQ(ReadBytes(dir.Path() / "out.txt"), line + "\r\n" + line + "\r\n");
    std::string error;
    EXPECT_EQ(ReadLines(fs, (dir.Path() / "missing.txt").string(), &error), std::nullopt);
    EXPECT_EQ(error, "No such file or directory");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Cp1252ToUtf8("\x80\x81\x8A\x96\x9F\xA0\xE9\xFF"),
              "\xE2\x82\xAC\xC2\x81\xC5\xA0\xE2\x80\x93\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF");
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xAC\xF0\x9F\x98\x80\xC3", &lossless), "a\x80??");
    EXPECT_FALSE(lossless);
}

}  // namespace
}  // namespace zephrane::testing
