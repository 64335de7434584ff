// What the host file system does the same way everywhere; the operations
// themselves are in HostFileSystemPosix.cpp and HostFileSystemWindows.cpp.
#include "platform/HostFileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/FolderHandles.h"
#include "platform/HostPaths.h"

namespace zephrane {
namespace fs = std::filesystem;

namespace {

std::unique_ptr<FolderHandles> NewHandles([[maybe_unused]] std::chrono::milliseconds recheck) {
#ifdef _WIN32
    return std::make_unique<FolderHandles>();
#else
    return std::make_unique<FolderHandles>(recheck);
#endif
}

}  // namespace

HostFileSystem::HostFileSystem(std::vector<Drive> drives, std::chrono::milliseconds recheck)
    : drives_(std::move(drives)),
      recheck_(recheck),
      handles_(NewHandles(recheck)),
      parser_(std::make_unique<HostPathParser>()) {}

HostFileSystem::~HostFileSystem() = default;

HostFileSystem::HostFileSystem(const HostFileSystem& other) : HostFileSystem(other.drives_, other.recheck_) {}

HostFileSystem& HostFileSystem::operator=(const HostFileSystem& other) {
    if (this != &other) {
        drives_ = other.drives_;
        recheck_ = other.recheck_;
        handles_ = NewHandles(recheck_);
        parser_ = std::make_unique<HostPathParser>();
        batch_ = 0;
    }
    return *this;
}

HostFileSystem::Call::Call(const HostFileSystem& fs) : fs_(fs) {
#ifndef _WIN32
    fs_.handles_->NextCall();
#endif
}

HostFileSystem::Call::~Call() {
#ifndef _WIN32
    if (fs_.batch_ == 0) fs_.handles_->Clear();
#endif
}

void HostFileSystem::BeginBatch() {
    ++batch_;
}

void HostFileSystem::EndBatch() {
    if (batch_ > 0 && --batch_ == 0) {
#ifndef _WIN32
        handles_->Clear();
#endif
    }
}

std::optional<std::vector<FolderEntry>> HostFileSystem::SubFolders(const std::string& folder) const {
    auto listing = ListFolder(folder);
    if (!listing) return std::nullopt;
    return std::move(listing->folders);
}

std::optional<std::vector<FolderEntry>> HostFileSystem::Files(const std::string& folder) const {
    auto listing = ListFolder(folder);
    if (!listing) return std::nullopt;
    return std::move(listing->files);
}

IoResult HostFileSystem::Copy(const std::string& source, const std::string& destination) {
    return CopyContent(source, destination, true);
}

// Put in place as by Copy, nothing flushed.
IoResult HostFileSystem::ScratchCopy(const std::string& source, const std::string& destination) {
    return CopyContent(source, destination, false);
}

IoResult HostFileSystem::Remove(const std::string& path, bool force) {
    return RemoveEntry(path, force, true);
}

IoResult HostFileSystem::ScratchRemove(const std::string& path) {
    return RemoveEntry(path, false, false);
}

std::vector<Drive> HostFileSystem::WineDrives() {
#ifdef _WIN32
    return {};
#else
    fs::path prefix;
    if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine) {
        prefix = wine;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        prefix = fs::path(home) / ".wine";
    } else {
        return {};
    }
    const fs::path dosdevices = prefix / "dosdevices";
    std::vector<Drive> drives;
    std::error_code ec;
    const fs::directory_iterator end;
    for (fs::directory_iterator it(dosdevices, ec); !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // "c:" is a drive; "c::" and the like are the drive's raw device.
        const char letter = name.size() == 2 && name[1] == ':' ? name[0] : '\0';
        if (!((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z'))) continue;
        std::error_code linkError;
        if (!it->is_symlink(linkError)) continue;
        const fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError) continue;
        const fs::path root = (target.is_absolute() ? target : dosdevices / target).lexically_normal();
        const char upper = static_cast<char>(letter >= 'a' ? letter - 'a' + 'A' : letter);
        drives.push_back(Drive{std::string(1, upper), root});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return drives;
#endif
}

}  // namespace zephrane
