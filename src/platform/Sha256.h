#pragma once

#include <string>
#include <string_view>

namespace zephrane {

// The SHA-256 digest of the bytes as 64 lower-case hexadecimal digits, from
// the system's cryptography library (Nettle; CNG on Windows).
std::string Sha256Hex(std::string_view bytes);

}  // namespace zephrane
