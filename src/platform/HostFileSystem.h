#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane {

// A drive of the program's view of the machine: its letter and the host
// folder it stands for ("C" -> "/home/kim/.wine/drive_c").
struct Drive {
    std::string letter;
    std::filesystem::path root;
};

// The host's file system. On Windows paths pass through as they are. On other
// hosts a path's drive letter resolves through the drive table, backslashes
// become separators, Windows-1252 names become UTF-8, and every component that
// does not exist under its exact name is matched without regard to case.
class HostFileSystem : public FileSystem {
public:
    explicit HostFileSystem(std::vector<Drive> drives) : drives_(std::move(drives)) {}

    // The drives of the user's Wine prefix ($WINEPREFIX, else ~/.wine): each
    // dosdevices/<letter>: link is one drive, in letter order. Empty on Windows
    // (where the system's own drive list is used).
    static std::vector<Drive> WineDrives();

    // The host path for a program path (exposed for tests); empty when the
    // path names a drive the table does not have.
    std::filesystem::path HostPath(const std::string& path) const;

    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    std::vector<std::string> Drives() const override;
    std::optional<std::vector<FolderEntry>> SubFolders(const std::string& folder) const override;
    std::optional<std::vector<FolderEntry>> Files(const std::string& folder) const override;
    std::optional<std::string> ReadFile(const std::string& path, std::string* error) const override;
    bool IsReadOnly(const std::string& path) const override;
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    IoResult WriteFile(const std::string& path, const std::string& bytes) override;
    IoResult Append(const std::string& path, const std::string& bytes) override;
    IoResult Copy(const std::string& source, const std::string& destination) override;
    IoResult Remove(const std::string& path, bool force) override;
    IoResult Move(const std::string& source, const std::string& destination, bool force) override;
    IoResult MakeFolder(const std::string& path) override;
    IoResult RemoveFolder(const std::string& path) override;

private:
    // The host path, or nullopt with `error` set when the drive is unknown.
    std::optional<std::filesystem::path> Map(const std::string& path, std::string* error = nullptr) const;
    std::optional<std::vector<FolderEntry>> List(const std::string& folder, bool folders) const;

    std::vector<Drive> drives_;
};

}  // namespace zephrane
