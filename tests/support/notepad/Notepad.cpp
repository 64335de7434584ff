// Stands in for Notepad in the Windows tests, beside them, where Windows
// looks first: writes the command line it was started with (UTF-16) to the
// file ZEPHRANE_NOTEPAD_LOG names, and ends.
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>

int main() {
    const wchar_t* log = _wgetenv(L"ZEPHRANE_NOTEPAD_LOG");
    if (!log) return 1;
    const std::wstring pending = std::wstring(log) + L".tmp";
    HANDLE file = CreateFileW(pending.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const wchar_t* line = GetCommandLineW();
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(std::wcslen(line) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(pending.c_str(), log, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
