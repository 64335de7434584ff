#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <cwctype>
#include <fstream>
#include <vector>

#include "platform/Unicode.h"

namespace zephrane {
namespace {

namespace fs = std::filesystem;

// The variable as a host path; empty when it is not set. Windows: the wide
// variant, so that a folder of any name comes through whole.
fs::path Variable(const char* name) {
#ifdef _WIN32
    const wchar_t* value = _wgetenv(fs::path(name).c_str());
#else
    const char* value = std::getenv(name);
#endif
    return value && *value ? fs::path(value) : fs::path();
}

fs::path UserDataFolder() {
#ifdef _WIN32
    const fs::path appData = Variable("APPDATA");
    return appData.empty() ? appData : appData / "Zephrane";
#else
    if (const fs::path xdg = Variable("XDG_DATA_HOME"); !xdg.empty()) return xdg / "Zephrane";
    if (const fs::path home = Variable("HOME"); !home.empty()) return home / ".local" / "share" / "Zephrane";
    return {};
#endif
}

fs::path UserStateFolder() {
#ifdef _WIN32
    const fs::path local = Variable("LOCALAPPDATA");
    return local.empty() ? local : local / "Zephrane";
#else
    if (const fs::path xdg = Variable("XDG_STATE_HOME"); !xdg.empty()) return xdg / "zephrane";
    if (const fs::path home = Variable("HOME"); !home.empty()) return home / ".local" / "state" / "zephrane";
    return {};
#endif
}

std::vector<fs::path> SystemPrefixes() {
#ifdef _WIN32
    std::vector<fs::path> prefixes;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        if (fs::path value = Variable(name); !value.empty()) prefixes.push_back(std::move(value));
    }
    // Where a program is installed for one user, as the installer does.
    if (const fs::path local = Variable("LOCALAPPDATA"); !local.empty())
        prefixes.push_back(local / "Programs");
    return prefixes;
#else
    return {"/usr", "/opt", "/bin", "/sbin", "/snap", "/app"};
#endif
}

// Windows compares names without regard to case.
bool SameComponent(const fs::path& a, const fs::path& b) {
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
    return PathToText(state / "journal");
}

bool IsWritableFolder(const fs::path& folder) {
    const auto probe = folder / ".zephrane-write-test";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
    }
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

bool IsUnderSystemPrefix(const fs::path& folder) {
    const auto normal = folder.lexically_normal();
    const auto within = [&normal](const fs::path& prefix) {
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
    const fs::path folder = TextToPath(executableFolder);
    if (!IsUnderSystemPrefix(folder) && IsWritableFolder(folder)) return executableFolder;
    const auto data = UserDataFolder();
    std::error_code ec;
    fs::create_directories(data, ec);
    if (data.empty() || !fs::is_directory(data, ec)) return executableFolder;
    return PathToText(data);
}

}  // namespace zephrane
