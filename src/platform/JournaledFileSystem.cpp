#include "platform/JournaledFileSystem.h"

namespace zephrane {

std::optional<FileImage> CurrentImage(const FileSystem& fs, const std::string& path, std::string* error) {
    if (!fs.FileExists(path)) return FileImage::Absent();
    auto bytes = fs.ReadFile(path, error);
    if (!bytes) return std::nullopt;
    return FileImage::Of(std::move(*bytes));
}

IoResult JournaledFileSystem::Note(const std::string& path, const FileImage& after) {
    if (!journal_.IsOpen()) return IoResult::Success();
    std::optional<FileImage> before;
    if (!journal_.HasRecorded(path)) {
        std::string error;
        before = CurrentImage(inner_, path, &error);
        if (!before) return IoResult::Failure("It could not be read to keep a copy of it: " + error);
    }
    if (auto r = journal_.Record(path, before, after); !r)
        return IoResult::Failure("The journal of operations in " + journal_.Folder() +
                                 " could not be written: " + r.error);
    return IoResult::Success();
}

IoResult JournaledFileSystem::Settle(const std::string& path, IoResult outcome) {
    if (outcome || !journal_.IsOpen()) return outcome;
    if (const auto now = CurrentImage(inner_, path)) journal_.Record(path, std::nullopt, *now);
    return outcome;
}

IoResult JournaledFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    if (auto r = Note(path, FileImage::Of(bytes)); !r) return r;
    return Settle(path, inner_.WriteFile(path, bytes));
}

IoResult JournaledFileSystem::Append(const std::string& path, const std::string& bytes) {
    if (journal_.IsOpen()) {
        std::string error;
        const auto now = CurrentImage(inner_, path, &error);
        if (!now) return IoResult::Failure(error);
        if (auto r = Note(path, FileImage::Of(now->bytes + bytes)); !r) return r;
    }
    return Settle(path, inner_.Append(path, bytes));
}

IoResult JournaledFileSystem::RecordedCopy(const std::string& source, const std::string& destination,
                                           const std::function<IoResult()>& call) {
    if (journal_.IsOpen()) {
        const auto bytes = inner_.ReadFile(source);
        // A source that cannot be read fails the copy below with its reason.
        if (!bytes) return call();
        if (auto r = Note(destination, FileImage::Of(*bytes)); !r) return r;
    }
    return Settle(destination, call());
}

IoResult JournaledFileSystem::Copy(const std::string& source, const std::string& destination) {
    return RecordedCopy(source, destination, [&] { return inner_.Copy(source, destination); });
}

IoResult JournaledFileSystem::ScratchCopy(const std::string& source, const std::string& destination) {
    return RecordedCopy(source, destination, [&] { return inner_.ScratchCopy(source, destination); });
}

IoResult JournaledFileSystem::RecordedRemove(const std::string& path, const std::function<IoResult()>& call) {
    if (inner_.FileExists(path)) {
        if (auto r = Note(path, FileImage::Absent()); !r) return r;
    }
    return Settle(path, call());
}

IoResult JournaledFileSystem::Remove(const std::string& path, bool force) {
    return RecordedRemove(path, [&] { return inner_.Remove(path, force); });
}

IoResult JournaledFileSystem::ScratchRemove(const std::string& path) {
    return RecordedRemove(path, [&] { return inner_.ScratchRemove(path); });
}

IoResult JournaledFileSystem::Move(const std::string& source, const std::string& destination, bool force) {
    if (journal_.IsOpen()) {
        const auto bytes = inner_.ReadFile(source);
        if (!bytes) return inner_.Move(source, destination, force);
        if (auto r = Note(source, FileImage::Absent()); !r) return r;
        if (auto r = Note(destination, FileImage::Of(*bytes)); !r) return Settle(source, r);
    }
    const IoResult moved = inner_.Move(source, destination, force);
    Settle(source, moved);
    return Settle(destination, moved);
}

}  // namespace zephrane
