#include "support/FaultyFileSystem.h"

namespace zephrane::testing {
namespace {

bool Contains(const std::string& path, const std::string& part) {
    return !path.empty() && path.find(part) != std::string::npos;
}

}  // namespace

void FaultyFileSystem::Refuse(std::optional<Op> op, std::string pathPart, std::string error, int spared) {
    rules_.push_back({op, std::move(pathPart), std::move(error), spared});
}

void FaultyFileSystem::ShortWrite(std::string pathPart, std::size_t bytes) {
    shortWrites_.emplace_back(std::move(pathPart), bytes);
}

std::optional<std::string> FaultyFileSystem::Refusal(Op op, const std::string& path) const {
    for (auto& rule : rules_) {
        if ((rule.op && *rule.op != op) || (!rule.pathPart.empty() && !Contains(path, rule.pathPart)))
            continue;
        if (rule.spared-- <= 0) return rule.error;
    }
    return std::nullopt;
}

IoResult FaultyFileSystem::WriteSide(Op op, const std::string& name, const std::string& path,
                                     const std::function<IoResult()>& call) {
    const std::string what = name + " " + path;
    if (stopAfter_ >= 0 && static_cast<int>(writes_.size()) >= stopAfter_)
        throw Crash("stopped before write-side call " + std::to_string(writes_.size() + 1) + ": " + what);
    writes_.push_back(what);
    if (auto error = Refusal(op, path)) return IoResult::Failure(*error);
    return call();
}

bool FaultyFileSystem::FileExists(const std::string& path) const {
    return !Refusal(Op::FileExists, path) && inner_.FileExists(path);
}

bool FaultyFileSystem::FolderExists(const std::string& path) const {
    return !Refusal(Op::FolderExists, path) && inner_.FolderExists(path);
}

std::vector<std::string> FaultyFileSystem::Drives() const {
    if (Refusal(Op::Drives, "")) return {};
    return inner_.Drives();
}

std::optional<std::vector<FolderEntry>> FaultyFileSystem::SubFolders(const std::string& folder) const {
    if (Refusal(Op::SubFolders, folder)) return std::nullopt;
    return inner_.SubFolders(folder);
}

std::optional<std::vector<FolderEntry>> FaultyFileSystem::Files(const std::string& folder) const {
    if (Refusal(Op::Files, folder)) return std::nullopt;
    return inner_.Files(folder);
}

std::optional<FolderListing> FaultyFileSystem::ListFolder(const std::string& folder) const {
    if (Refusal(Op::SubFolders, folder) || Refusal(Op::Files, folder)) return std::nullopt;
    return inner_.ListFolder(folder);
}

std::optional<std::string> FaultyFileSystem::ReadFile(const std::string& path, std::string* error) const {
    if (auto refused = Refusal(Op::ReadFile, path)) {
        if (error) *error = *refused;
        return std::nullopt;
    }
    return inner_.ReadFile(path, error);
}

bool FaultyFileSystem::IsReadOnly(const std::string& path) const {
    return !Refusal(Op::IsReadOnly, path) && inner_.IsReadOnly(path);
}

std::optional<std::uint64_t> FaultyFileSystem::FileSize(const std::string& path) const {
    if (Refusal(Op::FileSize, path)) return std::nullopt;
    return inner_.FileSize(path);
}

IoResult FaultyFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    return WriteSide(Op::WriteFile, "WriteFile", path, [&] {
        for (const auto& [part, size] : shortWrites_) {
            if (!Contains(path, part)) continue;
            inner_.WriteFile(path, bytes.substr(0, size));
            return IoResult::Failure("No space left on device");
        }
        return inner_.WriteFile(path, bytes);
    });
}

IoResult FaultyFileSystem::Append(const std::string& path, const std::string& bytes) {
    return WriteSide(Op::Append, "Append", path, [&] { return inner_.Append(path, bytes); });
}

IoResult FaultyFileSystem::Copy(const std::string& source, const std::string& destination) {
    return WriteSide(Op::Copy, "Copy", source + " -> " + destination,
                     [&] { return inner_.Copy(source, destination); });
}

IoResult FaultyFileSystem::ScratchCopy(const std::string& source, const std::string& destination) {
    return WriteSide(Op::Copy, "ScratchCopy", source + " -> " + destination,
                     [&] { return inner_.ScratchCopy(source, destination); });
}

IoResult FaultyFileSystem::Remove(const std::string& path, bool force) {
    return WriteSide(Op::Remove, "Remove", path, [&] { return inner_.Remove(path, force); });
}

IoResult FaultyFileSystem::ScratchRemove(const std::string& path) {
    return WriteSide(Op::Remove, "ScratchRemove", path, [&] { return inner_.ScratchRemove(path); });
}

IoResult FaultyFileSystem::Move(const std::string& source, const std::string& destination, bool force) {
    return WriteSide(Op::Move, "Move", source + " -> " + destination,
                     [&] { return inner_.Move(source, destination, force); });
}

IoResult FaultyFileSystem::MakeFolder(const std::string& path) {
    return WriteSide(Op::MakeFolder, "MakeFolder", path, [&] { return inner_.MakeFolder(path); });
}

IoResult FaultyFileSystem::RemoveFolder(const std::string& path) {
    return WriteSide(Op::RemoveFolder, "RemoveFolder", path, [&] { return inner_.RemoveFolder(path); });
}

}  // namespace zephrane::testing
