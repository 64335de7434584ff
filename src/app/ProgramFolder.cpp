#include "app/ProgramFolder.h"

#include <cstdlib>
#include <fstream>

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

std::string ChooseProgramFolder(const std::string& executableFolder) {
    if (IsWritableFolder(std::filesystem::path(Cp1252ToUtf8(executableFolder)))) return executableFolder;
    const auto data = UserDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(data, ec);
    if (data.empty() || !std::filesystem::is_directory(data, ec)) return executableFolder;
    return Utf8ToCp1252(data.string());
}

}  // namespace zephrane
