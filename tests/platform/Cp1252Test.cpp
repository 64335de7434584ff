#include <gtest/gtest.h>

#include "platform/Cp1252.h"

namespace zephrane {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(CodePointToCp1252(Cp1252ToCodePoint(static_cast<unsigned char>(b))), b) << b;
}

TEST(Cp1252, MapsBytesToTheirCodePoints) {
    const struct {
        unsigned char byte;
        char32_t codePoint;
        std::string utf8;
    } cases[] = {
        {0x41, U'A', "A"},          {0x80, 0x20AC, "\xE2\x82\xAC"}, {0x81, 0x0081, "\xC2\x81"},
        {0x8A, 0x0160, "\xC5\xA0"}, {0x8D, 0x008D, "\xC2\x8D"},     {0x8F, 0x008F, "\xC2\x8F"},
        {0x90, 0x0090, "\xC2\x90"}, {0x96, 0x2013, "\xE2\x80\x93"}, {0x9D, 0x009D, "\xC2\x9D"},
        {0x9F, 0x0178, "\xC5\xB8"}, {0xA0, 0x00A0, "\xC2\xA0"},     {0xE9, 0x00E9, "\xC3\xA9"},
        {0xFF, 0x00FF, "\xC3\xBF"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(Cp1252ToCodePoint(k.byte), k.codePoint) << int(k.byte);
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(k.byte))), k.utf8) << int(k.byte);
    }
}

TEST(Cp1252, MarksWhatTheCodePageLacks) {
    const struct {
        std::string utf8;
        std::string bytes;
        bool lossless;
    } cases[] = {
        {"Caf\xC3\xA9", "Caf\xE9", true},
        {"\xE6\x97\xA5", "?", false},  // a CJK character
        {"\xC2\x80", "?", false},      // U+0080 is not byte 0x80 (that is the euro sign)
        {"\xF0\x9F\x98\x80x", "?x", false},
        {"a\xC3", "a?", false},  // cut-off sequence
        {"\xA9z", "?z", false},  // stray continuation byte
        {"", "", true},
    };
    for (const auto& k : cases) {
        bool lossless = !k.lossless;
        EXPECT_EQ(Utf8ToCp1252(k.utf8, &lossless), k.bytes) << k.utf8;
        EXPECT_EQ(lossless, k.lossless) << k.utf8;
    }
}

}  // namespace
}  // namespace zephrane
