#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace zephrane::testing {

// The host file system, except that writing any file whose path ends with
// `failWritesTo` fails the way a full or locked disk would.
class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    std::string failWritesTo;

    bool FileExists(const std::string& p) const override { return inner_.FileExists(p); }
    bool FolderExists(const std::string& p) const override { return inner_.FolderExists(p); }
    std::vector<std::string> Drives() const override { return inner_.Drives(); }
    std::optional<std::vector<FolderEntry>> SubFolders(const std::string& f) const override {
        return inner_.SubFolders(f);
    }
    std::optional<std::vector<FolderEntry>> Files(const std::string& f) const override {
        return inner_.Files(f);
    }
    std::optional<std::string> ReadFile(const std::string& p, std::string* error) const override {
        return inner_.ReadFile(p, error);
    }
    std::optional<std::uint64_t> FileSize(const std::string& p) const override { return inner_.FileSize(p); }
    IoResult WriteFile(const std::string& p, const std::string& bytes) override {
        if (!failWritesTo.empty() && p.size() >= failWritesTo.size() &&
            p.compare(p.size() - failWritesTo.size(), failWritesTo.size(), failWritesTo) == 0)
            return IoResult::Failure("Disk full");
        return inner_.WriteFile(p, bytes);
    }
    IoResult Copy(const std::string& s, const std::string& d) override { return inner_.Copy(s, d); }
    IoResult Remove(const std::string& p, bool force) override { return inner_.Remove(p, force); }
    IoResult Move(const std::string& s, const std::string& d, bool force) override {
        return inner_.Move(s, d, force);
    }
    bool IsReadOnly(const std::string& p) const override { return inner_.IsReadOnly(p); }
    IoResult Append(const std::string& p, const std::string& bytes) override {
        return inner_.Append(p, bytes);
    }
    IoResult MakeFolder(const std::string& p) override { return inner_.MakeFolder(p); }
    IoResult RemoveFolder(const std::string& p) override { return inner_.RemoveFolder(p); }

private:
    FileSystem& inner_;
};

}  // namespace zephrane::testing
