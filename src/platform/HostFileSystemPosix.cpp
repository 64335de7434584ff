// The host file system on Linux and other POSIX hosts. Every operation works
// relative to the open folder that holds its file (openat, fstatat, renameat,
// unlinkat, fsync of the folder), found through FolderHandles.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <system_error>
#include <utility>

#include "platform/FolderHandles.h"
#include "platform/HostFileSystem.h"
#include "platform/HostPaths.h"
#include "platform/Unicode.h"
#include "platform/UniqueFd.h"

namespace zephrane {
namespace fs = std::filesystem;

namespace {

constexpr const char* kReadOnly = "The file is read-only.";
constexpr std::size_t kCopyBuffer = 64 * 1024;
constexpr int kMaxLinks = 40;

std::string ErrnoText(int err) {
    return std::generic_category().message(err != 0 ? err : EIO);
}

IoResult Errno(int err) {
    return IoResult::Failure(ErrnoText(err));
}

// Joins a listed name to the folder text as the caller gave it.
std::string EntryPath(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    if (!separated) path.push_back('\\');
    path.append(name);
    return path;
}

// The names of a key after its root, leaving out the first `skip`.
std::vector<std::string> NamesOf(const std::string& key, std::size_t rootEnd, std::size_t skip) {
    std::vector<std::string> names;
    for (std::size_t at = rootEnd; at < key.size();) {
        const std::size_t end = std::min(key.find('/', at + 1), key.size());
        if (skip > 0) {
            --skip;
        } else {
            names.push_back(key.substr(at + 1, end - at - 1));
        }
        at = end;
    }
    return names;
}

bool StatAt(int folder, const std::string& name, struct stat& st, bool followLink) {
    return ::fstatat(folder, name.c_str(), &st, followLink ? 0 : AT_SYMLINK_NOFOLLOW) == 0;
}

// Like Windows' read-only attribute: a file without the owner's write
// permission is refused even to a user (root) who could write it anyway.
bool IsReadOnlyAt(int folder, const std::string& name) {
    struct stat st {};
    return StatAt(folder, name, st, true) && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0;
}

enum class EntryKind { Folder, File, Other };

// The kind the listing gives; only a link, or an entry the file system did
// not type, is looked at. A link counts as the file it names; a link to a
// folder is never followed, so that a walk over the tree ends.
EntryKind KindOf(int folder, const char* name, unsigned char type) {
    if (type == DT_DIR) return EntryKind::Folder;
    if (type == DT_REG) return EntryKind::File;
    struct stat st {};
    if (type == DT_UNKNOWN) {
        if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::Other;
        if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
        if (S_ISREG(st.st_mode)) return EntryKind::File;
        if (!S_ISLNK(st.st_mode)) return EntryKind::Other;
    } else if (type != DT_LNK) {
        return EntryKind::Other;
    }
    return ::fstatat(folder, name, &st, 0) == 0 && S_ISREG(st.st_mode) ? EntryKind::File : EntryKind::Other;
}

bool ReadLinkAt(int folder, const std::string& name, std::string& text) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t got = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
        if (got < 0) return false;
        if (static_cast<std::size_t>(got) < buffer.size()) {
            text.assign(buffer.data(), static_cast<std::size_t>(got));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The file a write lands in: a link is followed, so that the link stays and
// the file it names gets the new bytes.
struct WriteTarget {
    UniqueFd owned;  // the link's folder, when it leads elsewhere
    int folder = -1;
    std::string name;
};

std::optional<WriteTarget> FollowLinks(int folder, const std::string& name, int& error) {
    WriteTarget target{UniqueFd(), folder, name};
    std::string link;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        if (!ReadLinkAt(target.folder, target.name, link)) return target;
        const auto slash = link.rfind('/');
        target.name = slash == std::string::npos ? link : link.substr(slash + 1);
        if (target.name.empty()) target.name.assign(1, '.');
        if (slash == std::string::npos) continue;
        const std::string dir = link.substr(0, slash + 1);
        const int fd = ::openat(target.folder, dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            error = errno;
            return std::nullopt;
        }
        target.owned = UniqueFd(fd);
        target.folder = fd;
    }
    error = ELOOP;
    return std::nullopt;
}

// A new file gets the usual permissions.
mode_t DefaultMode() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

IoResult WriteAll(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Errno(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    return IoResult::Success();
}

// Copies the rest of `from` into `to`, in the kernel where it can.
IoResult CopyAll(int from, int to) {
#ifdef __linux__
    for (;;) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, std::size_t{1} << 30, 0);
        if (n == 0) return IoResult::Success();
        if (n > 0) continue;
        if (errno == EINTR) continue;
        // Not offered between these two files: copy through a buffer.
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EBADF)
            return Errno(errno);
        break;
    }
#endif
    std::string buffer(kCopyBuffer, '\0');
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Errno(errno);
        if (n == 0) return IoResult::Success();
        if (auto written = WriteAll(to, buffer.data(), static_cast<std::size_t>(n)); !written) return written;
    }
}

// The bytes a replace writes: a buffer, or what is left to read of an open file.
struct Content {
    const std::string* bytes = nullptr;
    int source = -1;
};

IoResult WriteNew(int folder, const std::string& name, const Content& content, mode_t mode, bool durable) {
    UniqueFd fd(::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.IsOpen()) return Errno(errno);
    IoResult result = ::fchmod(fd.Get(), mode) == 0 ? IoResult::Success() : Errno(errno);
    if (result) {
        result = content.bytes ? WriteAll(fd.Get(), content.bytes->data(), content.bytes->size())
                               : CopyAll(content.source, fd.Get());
    }
    if (result && durable && ::fsync(fd.Get()) != 0) result = Errno(errno);
    if (!fd.Close() && result) result = Errno(errno);
    return result;
}

// Replaces the file atomically: the new bytes go to a file beside it, are
// flushed, and that file is renamed over it; then the folder is flushed. A
// scratch copy (not `durable`) is put in place the same way, unflushed.
IoResult ReplaceAt(int folder, const std::string& name, const Content& content, bool durable = true) {
    if (IsReadOnlyAt(folder, name)) return IoResult::Failure(kReadOnly);
    int error = 0;
    const auto target = FollowLinks(folder, name, error);
    if (!target) return Errno(error);
    struct stat st {};
    const bool exists = StatAt(target->folder, target->name, st, true);
    if (exists && S_ISDIR(st.st_mode)) return Errno(EISDIR);
    // A replaced file keeps its permissions.
    const mode_t mode = exists ? st.st_mode & 07777 : DefaultMode();
    const std::string pending = target->name + kPendingWriteSuffix;
    IoResult result = WriteNew(target->folder, pending, content, mode, durable);
    if (result && ::renameat(target->folder, pending.c_str(), target->folder, target->name.c_str()) != 0)
        result = Errno(errno);
    if (!result) {
        ::unlinkat(target->folder, pending.c_str(), 0);
        return result;
    }
    if (!durable) return IoResult::Success();
    if (const int synced = SyncFolder(target->folder); synced != 0) return Errno(synced);
    return IoResult::Success();
}

// Reads the whole file straight into the text that is handed back.
std::optional<std::string> ReadAll(int fd, const struct stat& st, int& error) {
    const auto expected = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0);
    std::string bytes(expected + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            return std::nullopt;
        }
        have += static_cast<std::size_t>(n);
        // A regular file whose size has been read whole needs no further call.
        if (n == 0 || (S_ISREG(st.st_mode) && expected > 0 && have == expected)) break;
    }
    bytes.resize(have);
    return bytes;
}

// Opens an existing file for reading; a folder is refused.
UniqueFd OpenForReading(int folder, const std::string& name, struct stat& st, int& error) {
    UniqueFd fd(::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen()) {
        error = errno;
    } else if (::fstat(fd.Get(), &st) != 0) {
        error = errno;
        fd = UniqueFd();
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
        fd = UniqueFd();
    }
    return fd;
}

}  // namespace

struct HostFileSystem::Located {
    std::optional<HostParts> parts;
    OpenFolder* folder = nullptr;
    std::string name;  // as the host spells it
};

std::optional<HostParts> HostFileSystem::Parse(const std::string& path, std::string* error) const {
    return parser_->Parse(path, drives_, error);
}

OpenFolder* HostFileSystem::Locate(const HostParts& parts, std::string& name, std::string* error) const {
    int err = 0;
    OpenFolder* folder = handles_->Open(parts, parts.folderEnd, false, err);
    if (!folder) {
        if (error) *error = ErrnoText(err);
        return nullptr;
    }
    name = parts.HasNames() ? handles_->NameIn(*folder, parts.LastName()) : std::string(".");
    return folder;
}

HostFileSystem::Located HostFileSystem::LocateFile(const std::string& path, std::string* error) const {
    Located located;
    located.parts = Parse(path, error);
    if (located.parts) located.folder = Locate(*located.parts, located.name, error);
    return located;
}

fs::path HostFileSystem::HostPath(const std::string& path) const {
    const Call call(*this);
    const auto parts = Parse(path, nullptr);
    if (!parts) return {};
    const auto resolved = handles_->ResolvedNames(*parts, parts->folderEnd);
    fs::path host = parts->root;
    for (const auto& name : resolved) host /= name;
    const auto rest = NamesOf(parts->key, parts->rootEnd, resolved.size());
    // When every folder exists, the last name is matched in its folder;
    // names past a missing folder stay as given, so that new files can be named.
    std::string name;
    if (rest.size() == 1 && Locate(*parts, name, nullptr)) return host / name;
    for (const auto& given : rest) host /= given;
    return host;
}

bool HostFileSystem::FileExists(const std::string& path) const {
    const Call call(*this);
    const auto [parts, folder, name] = LocateFile(path, nullptr);
    struct stat st {};
    return folder && StatAt(folder->fd, name, st, true) && S_ISREG(st.st_mode);
}

bool HostFileSystem::FolderExists(const std::string& path) const {
    const Call call(*this);
    const auto parts = Parse(path, nullptr);
    int error = 0;
    return parts && handles_->Open(*parts, parts->key.size(), false, error) != nullptr;
}

std::vector<std::string> HostFileSystem::Drives() const {
    std::vector<std::string> letters;
    for (const auto& drive : drives_) letters.push_back(drive.letter);
    return letters;
}

std::optional<FolderListing> HostFileSystem::ListFolder(const std::string& folder) const {
    const Call call(*this);
    const auto parts = Parse(folder, nullptr);
    int error = 0;
    OpenFolder* open = parts ? handles_->Open(*parts, parts->key.size(), false, error) : nullptr;
    if (!open) return std::nullopt;
    FolderListing listing;
    const int fd = open->fd;
    const bool listed = handles_->List(*open, [&](const char* hostName, unsigned char type) {
        const EntryKind kind = KindOf(fd, hostName, type);
        if (kind == EntryKind::Other) return;
        std::string name = Utf8ToText(hostName);
        std::string path = EntryPath(folder, name);
        auto& entries = kind == EntryKind::Folder ? listing.folders : listing.files;
        entries.push_back(FolderEntry{std::move(name), std::move(path)});
    });
    if (!listed) return std::nullopt;
    return listing;
}

std::optional<std::string> HostFileSystem::ReadFile(const std::string& path, std::string* error) const {
    const Call call(*this);
    const auto [parts, folder, name] = LocateFile(path, error);
    if (!folder) return std::nullopt;
    struct stat st {};
    int err = 0;
    UniqueFd fd = OpenForReading(folder->fd, name, st, err);
    auto bytes = fd.IsOpen() ? ReadAll(fd.Get(), st, err) : std::nullopt;
    if (!bytes && error) *error = ErrnoText(err);
    return bytes;
}

bool HostFileSystem::IsReadOnly(const std::string& path) const {
    const Call call(*this);
    const auto [parts, folder, name] = LocateFile(path, nullptr);
    return folder && IsReadOnlyAt(folder->fd, name);
}

std::optional<std::uint64_t> HostFileSystem::FileSize(const std::string& path) const {
    const Call call(*this);
    const auto [parts, folder, name] = LocateFile(path, nullptr);
    struct stat st {};
    if (!folder || !StatAt(folder->fd, name, st, true) || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

bool HostFileSystem::IsLink(const std::string& path) const {
    const Call call(*this);
    const auto [parts, folder, name] = LocateFile(path, nullptr);
    struct stat st {};
    if (!folder || !StatAt(folder->fd, name, st, false)) return false;
    return S_ISLNK(st.st_mode) || (S_ISREG(st.st_mode) && st.st_nlink > 1);
}

bool HostFileSystem::SameFile(const std::string& a, const std::string& b) const {
    const Call call(*this);
    const auto identify = [&](const std::string& path, struct stat& st) {
        const auto [parts, folder, name] = LocateFile(path, nullptr);
        return folder && StatAt(folder->fd, name, st, true);
    };
    struct stat first {
    }, second{};
    return identify(a, first) && identify(b, second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

IoResult HostFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    const Call call(*this);
    std::string error;
    const auto [parts, folder, name] = LocateFile(path, &error);
    if (!folder) return IoResult::Failure(error);
    IoResult result = ReplaceAt(folder->fd, name, Content{&bytes, -1});
    handles_->ForgetListing(*parts, parts->folderEnd);
    return result;
}

IoResult HostFileSystem::CopyContent(const std::string& source, const std::string& destination,
                                     bool durable) {
    const Call call(*this);
    std::string error;
    const auto [fromParts, fromFolder, fromName] = LocateFile(source, &error);
    if (!fromFolder) return IoResult::Failure(error);
    struct stat st {};
    int err = 0;
    const UniqueFd from = OpenForReading(fromFolder->fd, fromName, st, err);
    if (!from.IsOpen()) return Errno(err);

    const auto [parts, folder, name] = LocateFile(destination, &error);
    if (!folder) return IoResult::Failure(error);
    IoResult result = ReplaceAt(folder->fd, name, Content{nullptr, from.Get()}, durable);
    handles_->ForgetListing(*parts, parts->folderEnd);
    return result;
}

IoResult HostFileSystem::RemoveEntry(const std::string& path, bool force, bool durable) {
    const Call call(*this);
    std::string error;
    const auto [parts, folder, name] = LocateFile(path, &error);
    if (!folder) return IoResult::Failure(error);
    struct stat st {};
    if (!StatAt(folder->fd, name, st, false)) return Errno(errno);
    if (S_ISDIR(st.st_mode)) return Errno(EISDIR);
    if (!force && IsReadOnlyAt(folder->fd, name)) return IoResult::Failure(kReadOnly);
    if (::unlinkat(folder->fd, name.c_str(), 0) != 0) return Errno(errno);
    const int synced = durable ? SyncFolder(folder->fd) : 0;
    handles_->ForgetListing(*parts, parts->folderEnd);
    return synced == 0 ? IoResult::Success() : Errno(synced);
}

IoResult HostFileSystem::Append(const std::string& path, const std::string& bytes) {
    const Call call(*this);
    std::string error;
    const auto [parts, folder, name] = LocateFile(path, &error);
    if (!folder) return IoResult::Failure(error);
    struct stat st {};
    const bool existed = StatAt(folder->fd, name, st, false);
    UniqueFd fd(::openat(folder->fd, name.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    if (!fd.IsOpen()) return Errno(errno);
    IoResult result = WriteAll(fd.Get(), bytes.data(), bytes.size());
    if (result && ::fsync(fd.Get()) != 0) result = Errno(errno);
    if (!fd.Close() && result) result = Errno(errno);
    if (result && !existed) {
        if (const int synced = SyncFolder(folder->fd); synced != 0) result = Errno(synced);
        handles_->ForgetListing(*parts, parts->folderEnd);
    }
    return result;
}

IoResult HostFileSystem::Move(const std::string& source, const std::string& destination, bool force) {
    const Call call(*this);
    std::string error;
    const auto [from, sourceFolder, fromName] = LocateFile(source, &error);
    if (!sourceFolder) return IoResult::Failure(error);
    // Kept open while the destination is looked up, which may close it.
    const UniqueFd fromFolder(::fcntl(sourceFolder->fd, F_DUPFD_CLOEXEC, 0));
    if (!fromFolder.IsOpen()) return Errno(errno);
    struct stat st {};
    if (!StatAt(fromFolder.Get(), fromName, st, false)) return Errno(errno);

    const auto [to, folder, toName] = LocateFile(destination, &error);
    if (!folder) return IoResult::Failure(error);
    // A rename replaces a read-only file as any other.
    if (!force && IsReadOnlyAt(folder->fd, toName)) return IoResult::Failure(kReadOnly);
    int err = 0;
    const auto target = FollowLinks(folder->fd, toName, err);
    if (!target) return Errno(err);

    IoResult result = IoResult::Success();
    if (::renameat(fromFolder.Get(), fromName.c_str(), target->folder, target->name.c_str()) == 0) {
        if (int synced = SyncFolder(target->folder); synced != 0) result = Errno(synced);
        if (int synced = SyncFolder(fromFolder.Get()); synced != 0 && result) result = Errno(synced);
    } else if (errno != EXDEV) {
        return Errno(errno);
    } else {
        // Another device: the bytes are in place and flushed before the original goes.
        const UniqueFd in = OpenForReading(fromFolder.Get(), fromName, st, err);
        if (!in.IsOpen()) return Errno(err);
        if (result = ReplaceAt(target->folder, target->name, Content{nullptr, in.Get()}); !result)
            return result;
        if (::unlinkat(fromFolder.Get(), fromName.c_str(), 0) != 0) return Errno(errno);
        if (int synced = SyncFolder(fromFolder.Get()); synced != 0) result = Errno(synced);
    }
    // A folder moved away takes its handles with it.
    handles_->ForgetFolder(*from, from->key.size());
    handles_->ForgetListing(*from, from->folderEnd);
    handles_->ForgetListing(*to, to->folderEnd);
    return result;
}

IoResult HostFileSystem::MakeFolder(const std::string& path) {
    const Call call(*this);
    std::string error;
    const auto parts = Parse(path, &error);
    if (!parts) return IoResult::Failure(error);
    int err = 0;
    if (!handles_->Open(*parts, parts->key.size(), true, err)) return Errno(err);
    return IoResult::Success();
}

IoResult HostFileSystem::RemoveFolder(const std::string& path) {
    const Call call(*this);
    std::string error;
    const auto [parts, folder, name] = LocateFile(path, &error);
    if (!folder) return IoResult::Failure(error);
    struct stat st {};
    if (!StatAt(folder->fd, name, st, true) || !S_ISDIR(st.st_mode)) return Errno(ENOTDIR);
    // A link to a folder goes itself; the folder it names stays.
    const bool link = StatAt(folder->fd, name, st, false) && S_ISLNK(st.st_mode);
    if (::unlinkat(folder->fd, name.c_str(), link ? 0 : AT_REMOVEDIR) != 0) return Errno(errno);
    const int synced = SyncFolder(folder->fd);
    handles_->ForgetFolder(*parts, parts->key.size());
    handles_->ForgetListing(*parts, parts->folderEnd);
    return synced == 0 ? IoResult::Success() : Errno(synced);
}

}  // namespace zephrane

#endif
