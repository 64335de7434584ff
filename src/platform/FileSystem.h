#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zephrane {

// Outcome of a file-system operation. `error` is a short English description
// (for example "Permission denied") that callers put into a message box
// together with the file's name.
struct IoResult {
    bool ok = true;
    std::string error;

    static IoResult Success() { return {}; }
    static IoResult Failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

// One entry of a folder listing: the name as the host lists it and its full
// path (folder + "\" + name).
struct FolderEntry {
    std::string name;
    std::string path;
};

// A folder's entries from one listing, each kind in the host's order.
struct FolderListing {
    std::vector<FolderEntry> folders;  // a link to a folder is not one: it is never followed
    std::vector<FolderEntry> files;    // a link to a file counts as a file
};

// Every disk access of the program goes through this interface. Paths are
// texts in the program's single-byte character set, built as a folder plus a
// backslash text ("C:\Games\SilentHunterIII" + "\data\Cfg\Flotilla.cfg");
// the implementation maps them onto the host and matches names without
// regard to case.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool FolderExists(const std::string& path) const = 0;

    // Drive letters in the host's order, each a one-character text.
    virtual std::vector<std::string> Drives() const = 0;

    // Listings in the host's order; nullopt when the folder cannot be listed.
    virtual std::optional<std::vector<FolderEntry>> SubFolders(const std::string& folder) const = 0;
    virtual std::optional<std::vector<FolderEntry>> Files(const std::string& folder) const = 0;
    // Subfolders and files from one listing of the folder; nullopt when it
    // cannot be listed. The default lists twice; a host lists once.
    virtual std::optional<FolderListing> ListFolder(const std::string& folder) const;

    // Between BeginBatch and EndBatch (they nest) an implementation may keep
    // what it learnt of folders from one call to the next (open handles,
    // listings), so that a walk does not look every folder up again for
    // each of its files. Outside a batch every call starts afresh.
    virtual void BeginBatch() {}
    virtual void EndBatch() {}

    // The whole content of a file as bytes; nullopt (with `error` set) when it
    // cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path,
                                                std::string* error = nullptr) const = 0;
    // Whether the file exists and may not be written (the read-only attribute,
    // or no write permission for its owner).
    virtual bool IsReadOnly(const std::string& path) const = 0;
    // The size of a file in bytes; nullopt when it is not a file.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) const = 0;
    // Whether the path is a link: a symbolic link, or a file that has other
    // names as well (a hard link).
    virtual bool IsLink(const std::string& path) const = 0;
    // Whether both paths name one and the same file (the same device and
    // inode; on Windows the same volume and file ID).
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;

    // Creates or replaces the file with exactly these bytes. A replaced file
    // holds, at every instant, all of its old bytes or all of the new ones,
    // and the new ones are on the disk when this returns: they are written
    // beside it, flushed, and renamed over it. A read-only file is refused.
    virtual IoResult WriteFile(const std::string& path, const std::string& bytes) = 0;
    // Adds the bytes to the end of the file (created when missing) and flushes
    // them to the disk before returning.
    virtual IoResult Append(const std::string& path, const std::string& bytes) = 0;

    // Afterwards `destination` is a byte copy of `source`, replaced as by
    // WriteFile.
    virtual IoResult Copy(const std::string& source, const std::string& destination) = 0;
    // `force` also removes a read-only file.
    virtual IoResult Remove(const std::string& path, bool force) = 0;
    // A scratch copy (the temporary copy of a rewrite, read back at once and
    // removed): afterwards `destination` is a byte copy of `source`, put in
    // place in one step as by Copy, so that a crash of the program leaves it
    // whole or absent, but flushed to the disk neither itself nor in its
    // folder, so a power cut may leave it absent, empty or cut short. Nothing
    // is lost with it: the file it copies is replaced durably, and the
    // journal of operations keeps its bytes.
    virtual IoResult ScratchCopy(const std::string& source, const std::string& destination) {
        return Copy(source, destination);
    }
    // Removes a scratch copy as Remove (a read-only one is refused) without
    // flushing its folder.
    virtual IoResult ScratchRemove(const std::string& path) { return Remove(path, false); }
    // The source exists afterwards only under the destination's name. An
    // existing destination is replaced in one step, never deleted first; a
    // read-only one is refused unless `force`.
    virtual IoResult Move(const std::string& source, const std::string& destination, bool force) = 0;

    // Whether the files changed now are recorded in a journal of operations
    // from which they can be put back.
    virtual bool RecordsOperations() const { return false; }

    // Creates the folder and any missing folder above it.
    virtual IoResult MakeFolder(const std::string& path) = 0;
    // Removes an empty folder.
    virtual IoResult RemoveFolder(const std::string& path) = 0;
};

// WriteFile writes a file's new bytes under its name plus this suffix before
// they replace it. Only a crash in between can leave such a file behind.
inline constexpr const char* kPendingWriteSuffix = ".zephrane-new";

// Holds a batch open for as long as it lives.
class FileSystemBatch {
public:
    explicit FileSystemBatch(FileSystem& fs) : fs_(fs) { fs_.BeginBatch(); }
    ~FileSystemBatch() { fs_.EndBatch(); }
    FileSystemBatch(const FileSystemBatch&) = delete;
    FileSystemBatch& operator=(const FileSystemBatch&) = delete;

private:
    FileSystem& fs_;
};

}  // namespace zephrane
