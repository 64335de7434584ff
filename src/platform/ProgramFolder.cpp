#include "app/ProgramFolder.h"

#include <cstdlib>
#include <cwctype>
#include <fstream>
#include <vector>

#include "platform/Cp1252.h"

namespace zephrane {
namespace {

std::filesystem::path UserDataFolder() {
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA")) return std::filesystem::path(appData) / "Zephrane";
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "Zephrane";
    if (const char* home = std::getenv("HOME"))
        return std::filesystem::path(home) / ".local" / "share" / "Zephrane";
#endif
    return {};
}

std::filesystem::path UserStateFolder() {
#ifdef _WIN32
    if (const char* local = std::getenv("LOCALAPPDATA")) return std::filesystem::path(local) / "Zephrane";
#else
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "zephrane";
    if (const char* home = std::getenv("HOME"))
        return std::filesystem::path(home) / ".local" / "state" / "zephrane";
#endif
    return {};
}

std::vector<std::filesystem::path> SystemPrefixes() {
#ifdef _WIN32
    std::vector<std::filesystem::path> prefixes;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        if (const char* value = std::getenv(name); value && *value) prefixes.emplace_back(value);
    }
    return prefixes;
#else
    return {"/usr", "/opt", "/bin", "/sbin", "/snap", "/app"};
#endif
}

// Windows compares names without regard to case.
bool SameComponent(const std::filesystem::path& a, const std::filesystem::path& b) {
#ifdef _WIN32
    const auto lower = [](std::wstring s) {
        for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
        return s;
    };
    return lower(a.native()) == lower(b.native());
#else
    return a == b;
#endif
}

}  // namespace

std::string ChooseJournalFolder() {
    const auto state = UserStateFolder();
    if (state.empty()) return "";
    return Utf8ToCp1252((state / "journal").string());
}

bool IsWritableFolder(const std::filesystem::path& folder) {
    const auto probe = folder / ".zephrane-write-test";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
    }
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return true;
}

bool IsUnderSystemPrefix(const std::filesystem::path& folder) {
    const auto normal = folder.lexically_normal();
    const auto within = [&normal](const std::filesystem::path& prefix) {
        auto f = normal.begin();
        for (auto p = prefix.begin(); p != prefix.end(); ++p, ++f) {
            if (p->empty()) continue;  // a trailing separator
            if (f == normal.end() || !SameComponent(*f, *p)) return false;
        }
        return true;
    };
    for (const auto& prefix : SystemPrefixes()) {
        if (!prefix.empty() && within(prefix.lexically_normal())) return true;
    }
    return false;
}

std::string ChooseProgramFolder(const std::string& executableFolder) {
    const std::filesystem::path folder(Cp1252ToUtf8(executableFolder));
    if (!IsUnderSystemPrefix(folder) && IsWritableFolder(folder)) return executableFolder;
    const auto data = UserDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(data, ec);
    if (data.empty() || !std::filesystem::is_directory(data, ec)) return executableFolder;
    return Utf8ToCp1252(data.string());
}

}  // namespace zephrane
