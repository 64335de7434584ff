#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane {

class FolderHandles;
class HostPathParser;
struct HostParts;
struct OpenFolder;

// A drive of the program's view of the machine: its letter and the host
// folder it stands for ("C" -> "/home/kim/.wine/drive_c").
struct Drive {
    std::string letter;
    std::filesystem::path root;
};

// The host's file system. A path's drive letter resolves through the drive
// table; on Windows, without a table, paths name the system's own drives as
// they are. Names become the host's (UTF-16 on Windows, UTF-8 elsewhere; see
// platform/Unicode.h). Off Windows backslashes become separators and every
// component that does not exist under its exact name is matched without
// regard to case.
// There a path's folders are opened one by one, each relative to the one
// above, and kept open within a batch (see FolderHandles), so that the cost
// of an operation does not grow with the depth of its folder and paths of any
// length work.
class HostFileSystem : public FileSystem {
public:
    // `recheck`: how often, within a batch, the folders kept open are all
    // checked again to be where their paths say (the folder an operation
    // works in is checked on every call).
    explicit HostFileSystem(std::vector<Drive> drives,
                            std::chrono::milliseconds recheck = std::chrono::milliseconds(50));
    ~HostFileSystem() override;
    // A copy shares the drive table, never open handles.
    HostFileSystem(const HostFileSystem& other);
    HostFileSystem& operator=(const HostFileSystem& other);

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
    std::optional<FolderListing> ListFolder(const std::string& folder) const override;
    void BeginBatch() override;
    void EndBatch() override;
    std::optional<std::string> ReadFile(const std::string& path, std::string* error) const override;
    bool IsReadOnly(const std::string& path) const override;
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    bool IsLink(const std::string& path) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    IoResult WriteFile(const std::string& path, const std::string& bytes) override;
    IoResult Append(const std::string& path, const std::string& bytes) override;
    IoResult Copy(const std::string& source, const std::string& destination) override;
    IoResult ScratchCopy(const std::string& source, const std::string& destination) override;
    IoResult ScratchRemove(const std::string& path) override;
    IoResult Remove(const std::string& path, bool force) override;
    IoResult Move(const std::string& source, const std::string& destination, bool force) override;
    IoResult MakeFolder(const std::string& path) override;
    IoResult RemoveFolder(const std::string& path) override;

private:
    // Marks one public call; outside a batch its handles go when it ends.
    class Call {
    public:
        explicit Call(const HostFileSystem& fs);
        ~Call();
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        const HostFileSystem& fs_;
    };

    // Copy and Remove; a scratch copy and its removal are not `durable`.
    IoResult CopyContent(const std::string& source, const std::string& destination, bool durable);
    IoResult RemoveEntry(const std::string& path, bool force, bool durable);
#ifdef _WIN32
    // The host path, or nullopt with `error` set when the drive is unknown.
    std::optional<std::filesystem::path> Map(const std::string& path, std::string* error) const;
#else
    // The path taken apart, or nullopt with `error` set when the drive is unknown.
    std::optional<HostParts> Parse(const std::string& path, std::string* error) const;
    // The open folder that holds the path's last name, and that name as the
    // host spells it; nullptr with `error` set when the folder is missing.
    OpenFolder* Locate(const HostParts& parts, std::string& name, std::string* error) const;
    // Parse and Locate in one: `folder` is nullptr (with `error` set) when the
    // drive or the folder is missing.
    struct Located;
    Located LocateFile(const std::string& path, std::string* error) const;
#endif

    std::vector<Drive> drives_;
    std::chrono::milliseconds recheck_;
    std::unique_ptr<FolderHandles> handles_;
    std::unique_ptr<HostPathParser> parser_;
    int batch_ = 0;
};

}  // namespace zephrane
