#pragma once

namespace zephrane {

// The program's single-byte character set is Windows-1252. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control code points of the same value, so every byte 0-255 survives a round
// trip through Unicode unchanged. The program's texts build on it
// (platform/Unicode.h).
char32_t Cp1252ToCodePoint(unsigned char byte);
// The byte for a code point, or -1 when the code page cannot represent it.
int CodePointToCp1252(char32_t codePoint);

}  // namespace zephrane
