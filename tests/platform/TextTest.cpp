// Text files and the program's single-byte character set: every byte but the
// line ends comes back as it was.
#include <gtest/gtest.h>

#include "gamefiles/LineReader.h"
#include "platform/HostFileSystem.h"
#include "platform/TextFile.h"
#include "platform/Unicode.h"
#include "platform/WindowsApi.h"
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
        // Line ends on either side of a sixteen-byte block.
        {"0123456789abcde\r\nx", {"0123456789abcde", "x"}}, {"0123456789abcdef\rx\n", {"0123456789abcdef", "x"}},
        {"a\r\r\nb\n\rc\n\nd\r\ne\rfghijklm\n", {"a", "", "b", "", "c", "", "d", "e", "fghijklm"}},
        // A byte-order mark opens the file, not its first line.
        {"\xEF\xBB\xBF[A]\r\n", {"[A]"}}, {"\xEF\xBB[A]", {"\xEF\xBB[A]"}}, {"a\xEF\xBB\xBF", {"a\xEF\xBB\xBF"}}};
    // clang-format on
    for (const auto& [bytes, lines] : files) {
        EXPECT_EQ(SplitLines(bytes), lines) << ::testing::PrintToString(bytes);
        // The same lines read one by one as the file is.
        LineReader reader = LineReader::OverText(bytes);
        Lines read;
        for (std::string_view line; reader.Next(line);) read.emplace_back(line);
        EXPECT_EQ(read, lines) << ::testing::PrintToString(bytes);
    }

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
#ifdef _WIN32
    EXPECT_EQ(error, SystemErrorText(ERROR_FILE_NOT_FOUND));
#else
    EXPECT_EQ(error, "No such file or directory");
#endif
}

// Names the code page lacks are carried in UTF-8, one name at a time, and
// every name comes back from the host as it went.
TEST(Unicode, NamesOutsideTheCodePageTravelInUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToText(TextToUtf8(all)), all);
    // clang-format off
    const std::pair<std::string, std::string> texts[] = {  // the program's text, the same in UTF-8
        {"\x80\x81\x8A\x96\x9F\xA0\xE9\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xA0\xE2\x80\x93\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF"}, {"C:\\Spiele\\caf\xE9 \x80", "C:\\Spiele\\caf\xC3\xA9 \xE2\x82\xAC"},
        {"C:\\Users\\\xD0\x94\xD0\xBC\\caf\xE9/\xC5\x81\xC3\xB3" "d\xC5\xBA", "C:\\Users\\\xD0\x94\xD0\xBC\\caf\xC3\xA9/\xC5\x81\xC3\xB3" "d\xC5\xBA"},
        {"\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9"}, {"x\xF0\x9F\x98\x80", "x\xF0\x9F\x98\x80"}};
    // clang-format on
    for (const auto& [text, utf8] : texts) {
        EXPECT_EQ(TextToUtf8(text), utf8) << text;
        EXPECT_EQ(Utf8ToText(utf8), text) << text;
        EXPECT_EQ(WideToText(TextToWide(text)), text) << text;
    }
    EXPECT_EQ(TextToWide("x\xF0\x9F\x98\x80").size(), sizeof(wchar_t) == 2 ? 3u : 2u);
    EXPECT_EQ(Utf8ToText("caf\xE9\xED\xA0\x80"), "caf\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(WideToText(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace zephrane::testing
