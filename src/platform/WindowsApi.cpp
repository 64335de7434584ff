#include "platform/WindowsApi.h"

#ifdef _WIN32

#include "platform/Unicode.h"

namespace zephrane {

std::string SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'.' || text.back() == L' ' || text.back() == L'\r' || text.back() == L'\n'))
        text.pop_back();
    if (text.empty()) return "Windows error " + std::to_string(code);
    return WideToText(text);
}

}  // namespace zephrane

#endif
