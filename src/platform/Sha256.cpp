#include "platform/Sha256.h"

#include <array>
#include <cstdint>
#include <stdexcept>

#ifdef _WIN32
#include "platform/WindowsApi.h"
// The API first: bcrypt.h relies on its types.
#include <bcrypt.h>
#else
#include <nettle/sha2.h>
#endif

namespace zephrane {
namespace {

using Digest = std::array<unsigned char, 32>;

std::string Hex(const Digest& digest) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(digest.size() * 2);
    for (unsigned char b : digest) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0f];
    }
    return hex;
}

#ifdef _WIN32

Digest Compute(std::string_view bytes) {
    Digest digest{};
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    bool ok = BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0;
    // Files beyond 4 GB are not the program's; a hash that cannot be taken
    // would make every later comparison wrong.
    ok = ok && bytes.size() <= 0xffffffffu &&
         BCryptHash(algorithm, nullptr, 0, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                    static_cast<ULONG>(bytes.size()), digest.data(), static_cast<ULONG>(digest.size())) == 0;
    if (algorithm) BCryptCloseAlgorithmProvider(algorithm, 0);
    if (!ok) throw std::runtime_error("SHA-256 is not available");
    return digest;
}

#else

Digest Compute(std::string_view bytes) {
    Digest digest{};
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    sha256_digest(&context, digest.size(), digest.data());
    return digest;
}

#endif

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
    return Hex(Compute(bytes));
}

}  // namespace zephrane
