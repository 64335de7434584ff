#pragma once

// The one fault-injecting file system of the tests: it forwards every call to
// a real FileSystem and can make chosen calls fail, let a write land only in
// part (a full disk), or stop the program before a write-side call as a crash
// or a power cut would.
#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane::testing {

class FaultyFileSystem : public FileSystem {
public:
    // The read-side operations, then the write-side ones (those StopAfter
    // counts). A scratch copy is a Copy and its removal a Remove.
    enum class Op {
        FileExists,
        FolderExists,
        Drives,
        SubFolders,
        Files,
        ReadFile,
        IsReadOnly,
        FileSize,
        WriteFile,
        Append,
        Copy,
        Remove,
        Move,
        MakeFolder,
        RemoveFolder
    };

    // Thrown instead of running the write-side call after the last one that
    // StopAfter allows: the disk holds what the earlier calls left. A test
    // catches it where the program's event handler would have ended.
    struct Crash : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    // Calls of `op` (any op when nullopt) whose path contains `pathPart`
    // ("" = any path) fail with `error`: existence tests answer false,
    // listings and reads nothing. The path of a copy or a move is
    // "<source> -> <destination>", so "xxx -> " picks copies from a ".xxx".
    // The first `spared` such calls still run.
    void Refuse(std::optional<Op> op, std::string pathPart = "", std::string error = "Permission denied",
                int spared = 0);
    // A WriteFile whose path contains `pathPart` writes only the first
    // `bytes` bytes of its content, then fails as on a full disk.
    void ShortWrite(std::string pathPart, std::size_t bytes);
    // The first k write-side calls run; the next one throws Crash. -1 = never.
    void StopAfter(int k) { stopAfter_ = k; }

    // Write-side calls made so far (the stopped one not included), each as
    // "WriteFile <path>", "Copy <source> -> <destination>", "ScratchCopy ..." ...
    const std::vector<std::string>& Writes() const { return writes_; }

    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    std::vector<std::string> Drives() const override;
    std::optional<std::vector<FolderEntry>> SubFolders(const std::string& folder) const override;
    std::optional<std::vector<FolderEntry>> Files(const std::string& folder) const override;
    // One listing gives both: refusing subfolders or files refuses it.
    std::optional<FolderListing> ListFolder(const std::string& folder) const override;
    void BeginBatch() override { inner_.BeginBatch(); }
    void EndBatch() override { inner_.EndBatch(); }
    std::optional<std::string> ReadFile(const std::string& path, std::string* error) const override;
    bool IsReadOnly(const std::string& path) const override;
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    bool IsLink(const std::string& path) const override { return inner_.IsLink(path); }
    bool SameFile(const std::string& a, const std::string& b) const override { return inner_.SameFile(a, b); }
    bool RecordsOperations() const override { return inner_.RecordsOperations(); }
    IoResult WriteFile(const std::string& path, const std::string& bytes) override;
    IoResult Append(const std::string& path, const std::string& bytes) override;
    IoResult Copy(const std::string& source, const std::string& destination) override;
    IoResult ScratchCopy(const std::string& source, const std::string& destination) override;
    IoResult Remove(const std::string& path, bool force) override;
    IoResult ScratchRemove(const std::string& path) override;
    IoResult Move(const std::string& source, const std::string& destination, bool force) override;
    IoResult MakeFolder(const std::string& path) override;
    IoResult RemoveFolder(const std::string& path) override;

private:
    struct Rule {
        std::optional<Op> op;
        std::string pathPart;
        std::string error;
        int spared;
    };

    // The error of the first rule that refuses this call.
    std::optional<std::string> Refusal(Op op, const std::string& path) const;
    // Every write-side operation runs through here: a new one of the
    // interface needs an Op and a one-line override that calls it with its
    // name and path.
    IoResult WriteSide(Op op, const std::string& name, const std::string& path,
                       const std::function<IoResult()>& call);

    FileSystem& inner_;
    mutable std::vector<Rule> rules_;
    std::vector<std::pair<std::string, std::size_t>> shortWrites_;
    int stopAfter_ = -1;
    std::vector<std::string> writes_;
};

}  // namespace zephrane::testing
