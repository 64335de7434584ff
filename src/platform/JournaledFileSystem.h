#pragma once

#include <functional>

#include "platform/FileSystem.h"
#include "platform/Journal.h"

namespace zephrane {

// The file system the program's operations write through: while the journal
// has an operation open, every file is recorded (its before-image the first
// time, and the state it is about to get) and flushed before it is touched.
// A file the journal cannot record is not touched. Outside an operation the
// calls pass straight through.
class JournaledFileSystem : public FileSystem {
public:
    JournaledFileSystem(FileSystem& inner, Journal& journal) : inner_(inner), journal_(journal) {}

    FileSystem& Inner() { return inner_; }
    Journal& Log() { return journal_; }

    bool FileExists(const std::string& path) const override { return inner_.FileExists(path); }
    bool FolderExists(const std::string& path) const override { return inner_.FolderExists(path); }
    std::vector<std::string> Drives() const override { return inner_.Drives(); }
    std::optional<std::vector<FolderEntry>> SubFolders(const std::string& folder) const override {
        return inner_.SubFolders(folder);
    }
    std::optional<std::vector<FolderEntry>> Files(const std::string& folder) const override {
        return inner_.Files(folder);
    }
    std::optional<FolderListing> ListFolder(const std::string& folder) const override {
        return inner_.ListFolder(folder);
    }
    void BeginBatch() override { inner_.BeginBatch(); }
    void EndBatch() override { inner_.EndBatch(); }
    std::optional<std::string> ReadFile(const std::string& path, std::string* error) const override {
        return inner_.ReadFile(path, error);
    }
    bool IsReadOnly(const std::string& path) const override { return inner_.IsReadOnly(path); }
    std::optional<std::uint64_t> FileSize(const std::string& path) const override {
        return inner_.FileSize(path);
    }
    bool IsLink(const std::string& path) const override { return inner_.IsLink(path); }
    bool SameFile(const std::string& a, const std::string& b) const override { return inner_.SameFile(a, b); }

    IoResult WriteFile(const std::string& path, const std::string& bytes) override;
    IoResult Append(const std::string& path, const std::string& bytes) override;
    IoResult Copy(const std::string& source, const std::string& destination) override;
    IoResult ScratchCopy(const std::string& source, const std::string& destination) override;
    IoResult Remove(const std::string& path, bool force) override;
    IoResult ScratchRemove(const std::string& path) override;
    IoResult Move(const std::string& source, const std::string& destination, bool force) override;
    bool RecordsOperations() const override { return journal_.IsOpen(); }
    IoResult MakeFolder(const std::string& path) override { return inner_.MakeFolder(path); }
    IoResult RemoveFolder(const std::string& path) override { return inner_.RemoveFolder(path); }

private:
    // Records the state `path` is about to get; a failure means it must not
    // be touched.
    IoResult Note(const std::string& path, const FileImage& after);
    // After a call that failed: records the state the file really has.
    IoResult Settle(const std::string& path, IoResult outcome);
    // A copy or a removal, durable or scratch (`call`), recorded first.
    IoResult RecordedCopy(const std::string& source, const std::string& destination,
                          const std::function<IoResult()>& call);
    IoResult RecordedRemove(const std::string& path, const std::function<IoResult()>& call);

    FileSystem& inner_;
    Journal& journal_;
};

// The current state of a file; nullopt (with `error`) when it exists but
// cannot be read.
std::optional<FileImage> CurrentImage(const FileSystem& fs, const std::string& path,
                                      std::string* error = nullptr);

}  // namespace zephrane
