#include "platform/HostFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/Cp1252.h"

#ifdef _WIN32
#define NOMINMAX
#include <windows.h>

#include <cwchar>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zephrane {
namespace fs = std::filesystem;

namespace {

constexpr const char* kReadOnly = "The file is read-only.";

std::string ErrnoText(int err) {
    return std::generic_category().message(err != 0 ? err : EIO);
}

#ifdef _WIN32

fs::path ToHost(const std::string& text) {
    std::wstring wide;
    for (unsigned char c : text) wide += static_cast<wchar_t>(Cp1252ToCodePoint(c));
    return fs::path(wide);
}

std::string FromHost(const fs::path& path) {
    std::string out;
    for (wchar_t c : path.native()) {
        const int b = CodePointToCp1252(static_cast<char32_t>(c));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::FILE* OpenFile(const fs::path& path, bool forWriting) {
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
}

#else

std::string FromHost(const fs::path& path) {
    return Utf8ToCp1252(path.string());
}

std::FILE* OpenFile(const fs::path& path, bool forWriting) {
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool EntryExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// The name of the first entry of `folder` that equals `name` without regard
// to case, in listing order.
std::optional<std::string> FindIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    const fs::directory_iterator end;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec); !ec && it != end;
         it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualIgnoringCase(entry, name)) return entry;
    }
    return std::nullopt;
}

// Appends the '/'-separated components of `rest` to `base`, each under the
// name it has on disk when only its case differs. A component that is not
// there at all is kept as given, so that new files can be named.
fs::path ResolveComponents(fs::path base, const std::string& rest) {
    bool parentExists = true;
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t slash = rest.find('/', start);
        if (slash == std::string::npos) slash = rest.size();
        const std::string part = rest.substr(start, slash - start);
        start = slash + 1;
        if (part.empty()) continue;
        if (part == "." || part == ".." || !parentExists || EntryExists(base / part)) {
            base /= part;
        } else if (auto found = FindIgnoringCase(base, part)) {
            base /= *found;
        } else {
            base /= part;
            parentExists = false;
        }
    }
    return base;
}

const Drive* FindDrive(const std::vector<Drive>& drives, char letter) {
    for (const auto& drive : drives) {
        if (drive.letter.size() == 1 && LowerAscii(drive.letter[0]) == LowerAscii(letter)) return &drive;
    }
    return nullptr;
}

bool HasDriveLetter(const std::string& path) {
    const char c = path.size() >= 2 ? LowerAscii(path[0]) : '\0';
    return c >= 'a' && c <= 'z' && path[1] == ':';
}

#endif

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(fs::status(path, ec));
}

// Like Windows' read-only attribute: a file without the owner's write
// permission is refused even to a user (root) who could write it anyway.
bool IsReadOnlyFile(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    return !ec && fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::optional<std::string> ReadBytes(const fs::path& path, std::string* error) {
    const auto fail = [&](int err) -> std::optional<std::string> {
        if (error) *error = ErrnoText(err);
        return std::nullopt;
    };
    if (IsFolder(path)) return fail(EISDIR);
    errno = 0;
    std::FILE* file = OpenFile(path, false);
    if (!file) return fail(errno);
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const int readError = std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    if (readError != 0) return fail(readError);
    return bytes;
}

// The file a write lands in: a link is followed, so that the link stays
// and the file it names gets the new bytes.
fs::path WriteTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

// The new content's name while it is written, beside the file it replaces.
fs::path PendingName(const fs::path& target) {
    fs::path pending = target;
    pending += kPendingWriteSuffix;
    return pending;
}

#ifdef _WIN32

IoResult LastError() {
    return IoResult::Failure(std::system_category().message(static_cast<int>(GetLastError())));
}

// Writes the whole buffer to a new file and flushes it to the disk.
IoResult WriteFlushed(const fs::path& path, const std::string& bytes, DWORD disposition) {
    HANDLE file = CreateFileW(path.c_str(), disposition == OPEN_ALWAYS ? FILE_APPEND_DATA : GENERIC_WRITE, 0,
                              nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastError();
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        ok = ::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    if (ok) ok = FlushFileBuffers(file);
    const IoResult result = ok ? IoResult::Success() : LastError();
    CloseHandle(file);
    return result;
}

// Renames `from` over `to` in one step; `crossDevice` tells a rename that
// cannot be made because the two lie on different devices.
IoResult ReplaceFlushed(const fs::path& from, const fs::path& to, bool* crossDevice = nullptr) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return IoResult::Success();
    if (crossDevice) *crossDevice = GetLastError() == ERROR_NOT_SAME_DEVICE;
    return LastError();
}

IoResult FlushFolder(const fs::path&) {
    return IoResult::Success();  // MOVEFILE_WRITE_THROUGH has flushed the rename
}

#else

IoResult ErrnoFailure() {
    return IoResult::Failure(ErrnoText(errno));
}

IoResult WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? ErrnoFailure() : IoResult::Failure(ErrnoText(ENOSPC));
        done += static_cast<std::size_t>(n);
    }
    return IoResult::Success();
}

// A rename or a new name is only durable once the folder that holds it is.
IoResult FlushFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return ErrnoFailure();
    const int synced = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    // Some file systems cannot flush a folder; the rename itself is done.
    if (synced != 0 && err != EINVAL && err != ENOTSUP) return IoResult::Failure(ErrnoText(err));
    return IoResult::Success();
}

// Writes the whole buffer (a new file with `mode`, or appended) and flushes
// it to the disk.
IoResult WriteFlushed(const fs::path& path, const std::string& bytes, bool append, mode_t mode) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) return ErrnoFailure();
    IoResult result =
        append ? IoResult::Success() : (::fchmod(fd, mode) == 0 ? IoResult::Success() : ErrnoFailure());
    if (result) result = WriteAll(fd, bytes);
    if (result && ::fsync(fd) != 0) result = ErrnoFailure();
    if (::close(fd) != 0 && result) result = ErrnoFailure();
    return result;
}

// Renames `from` over `to` in one step; `crossDevice` tells a rename that
// cannot be made because the two lie on different devices.
IoResult ReplaceFlushed(const fs::path& from, const fs::path& to, bool* crossDevice = nullptr) {
    if (::rename(from.c_str(), to.c_str()) == 0) return IoResult::Success();
    if (crossDevice) *crossDevice = errno == EXDEV;
    return ErrnoFailure();
}

// A replaced file keeps its permissions; a new one gets the usual ones.
mode_t ModeFor(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

#endif

// Replaces the file atomically: the new bytes go to a file beside it, are
// flushed, and that file is renamed over it; then the folder is flushed.
IoResult WriteBytes(const fs::path& path, const std::string& bytes) {
    if (IsReadOnlyFile(path)) return IoResult::Failure(kReadOnly);
    const fs::path target = WriteTarget(path);
    if (IsFolder(target)) return IoResult::Failure(ErrnoText(EISDIR));
    const fs::path pending = PendingName(target);
#ifdef _WIN32
    IoResult result = WriteFlushed(pending, bytes, CREATE_ALWAYS);
#else
    IoResult result = WriteFlushed(pending, bytes, false, ModeFor(target));
#endif
    if (result) result = ReplaceFlushed(pending, target);
    if (!result) {
        std::error_code ec;
        fs::remove(pending, ec);
        return result;
    }
    return FlushFolder(target.parent_path());
}

IoResult AppendBytes(const fs::path& path, const std::string& bytes) {
    std::error_code ec;
    const bool existed = fs::exists(fs::symlink_status(path, ec));
#ifdef _WIN32
    IoResult result = WriteFlushed(path, bytes, OPEN_ALWAYS);
#else
    IoResult result = WriteFlushed(path, bytes, true, 0);
#endif
    if (result && !existed) result = FlushFolder(path.parent_path());
    return result;
}

IoResult RemoveFile(const fs::path& path, bool force) {
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    if (!fs::exists(status)) return IoResult::Failure(ErrnoText(ENOENT));
    if (fs::is_directory(status)) return IoResult::Failure(ErrnoText(EISDIR));
    if (IsReadOnlyFile(path)) {
        if (!force) return IoResult::Failure(kReadOnly);
#ifdef _WIN32
        // Windows refuses to delete a file that carries the read-only attribute.
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    }
    if (!fs::remove(path, ec) || ec) return IoResult::Failure(ec ? ec.message() : ErrnoText(ENOENT));
    return FlushFolder(path.parent_path());
}

// Joins a listed name to the folder text as the caller gave it.
std::string EntryPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

}  // namespace

std::optional<fs::path> HostFileSystem::Map(const std::string& path, std::string* error) const {
#ifdef _WIN32
    (void)error;
    return ToHost(path);
#else
    std::string text = Cp1252ToUtf8(path);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (HasDriveLetter(text)) {
        const Drive* drive = FindDrive(drives_, text[0]);
        if (!drive) {
            if (error) *error = "The drive " + text.substr(0, 2) + " does not exist.";
            return std::nullopt;
        }
        return ResolveComponents(drive->root, text.substr(2));
    }
    if (!text.empty() && text.front() == '/') return ResolveComponents("/", text);
    return ResolveComponents({}, text);
#endif
}

fs::path HostFileSystem::HostPath(const std::string& path) const {
    return Map(path).value_or(fs::path());
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
        if (name.size() != 2 || !HasDriveLetter(name)) continue;
        std::error_code linkError;
        if (!it->is_symlink(linkError)) continue;
        const fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError) continue;
        const fs::path root = (target.is_absolute() ? target : dosdevices / target).lexically_normal();
        const char letter = static_cast<char>(name[0] >= 'a' ? name[0] - 'a' + 'A' : name[0]);
        drives.push_back(Drive{std::string(1, letter), root});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return drives;
#endif
}

bool HostFileSystem::FileExists(const std::string& path) const {
    const auto host = Map(path);
    std::error_code ec;
    return host && fs::is_regular_file(fs::status(*host, ec));
}

bool HostFileSystem::FolderExists(const std::string& path) const {
    const auto host = Map(path);
    return host && IsFolder(*host);
}

std::vector<std::string> HostFileSystem::Drives() const {
    std::vector<std::string> letters;
#ifdef _WIN32
    wchar_t buffer[512];
    const DWORD length = GetLogicalDriveStringsW(512, buffer);
    if (length == 0 || length > 512) return letters;
    for (const wchar_t* root = buffer; *root; root += std::wcslen(root) + 1)
        letters.push_back(std::string(1, static_cast<char>(root[0])));
#else
    for (const auto& drive : drives_) letters.push_back(drive.letter);
#endif
    return letters;
}

std::optional<std::vector<FolderEntry>> HostFileSystem::List(const std::string& folder, bool folders) const {
    const auto host = Map(folder);
    if (!host) return std::nullopt;
    std::error_code ec;
    fs::directory_iterator it(*host, ec);
    std::vector<FolderEntry> entries;
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        // A link to a folder is not followed: a walk over the tree must end.
        const bool wanted = folders ? it->symlink_status(typeError).type() == fs::file_type::directory
                                    : it->is_regular_file(typeError);
        if (!wanted || typeError) continue;
        std::string name = FromHost(it->path().filename());
        std::string path = EntryPath(folder, name);
        entries.push_back(FolderEntry{std::move(name), std::move(path)});
    }
    if (ec) return std::nullopt;
    return entries;
}

std::optional<std::vector<FolderEntry>> HostFileSystem::SubFolders(const std::string& folder) const {
    return List(folder, true);
}

std::optional<std::vector<FolderEntry>> HostFileSystem::Files(const std::string& folder) const {
    return List(folder, false);
}

std::optional<std::string> HostFileSystem::ReadFile(const std::string& path, std::string* error) const {
    const auto host = Map(path, error);
    if (!host) return std::nullopt;
    return ReadBytes(*host, error);
}

bool HostFileSystem::IsReadOnly(const std::string& path) const {
    const auto host = Map(path);
    return host && IsReadOnlyFile(*host);
}

std::optional<std::uint64_t> HostFileSystem::FileSize(const std::string& path) const {
    const auto host = Map(path);
    std::error_code ec;
    if (!host || !fs::is_regular_file(fs::status(*host, ec))) return std::nullopt;
    const auto size = fs::file_size(*host, ec);
    if (ec) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

IoResult HostFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    return WriteBytes(*host, bytes);
}

IoResult HostFileSystem::Copy(const std::string& source, const std::string& destination) {
    std::string error;
    const auto from = Map(source, &error);
    if (!from) return IoResult::Failure(error);
    const auto to = Map(destination, &error);
    if (!to) return IoResult::Failure(error);
    const auto bytes = ReadBytes(*from, &error);
    if (!bytes) return IoResult::Failure(error);
    return WriteBytes(*to, *bytes);
}

IoResult HostFileSystem::Remove(const std::string& path, bool force) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    return RemoveFile(*host, force);
}

IoResult HostFileSystem::Append(const std::string& path, const std::string& bytes) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    return AppendBytes(*host, bytes);
}

IoResult HostFileSystem::Move(const std::string& source, const std::string& destination, bool force) {
    std::string error;
    const auto from = Map(source, &error);
    if (!from) return IoResult::Failure(error);
    const auto to = Map(destination, &error);
    if (!to) return IoResult::Failure(error);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(*from, ec))) return IoResult::Failure(ErrnoText(ENOENT));
    if (IsReadOnlyFile(*to)) {
        if (!force) return IoResult::Failure(kReadOnly);
#ifdef _WIN32
        // Windows refuses to replace a file that carries the read-only attribute.
        fs::permissions(*to, fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    }
    const fs::path target = WriteTarget(*to);
    bool crossDevice = false;
    if (auto moved = ReplaceFlushed(*from, target, &crossDevice); !moved && !crossDevice) return moved;
    if (!crossDevice) {
        if (auto flushed = FlushFolder(target.parent_path()); !flushed) return flushed;
        return FlushFolder(from->parent_path());
    }
    // Another device: the bytes are in place and flushed before the original goes.
    const auto bytes = ReadBytes(*from, &error);
    if (!bytes) return IoResult::Failure(error);
    if (auto written = WriteBytes(target, *bytes); !written) return written;
    return RemoveFile(*from, true);
}

IoResult HostFileSystem::MakeFolder(const std::string& path) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    std::error_code ec;
    if (IsFolder(*host)) return IoResult::Success();
    fs::create_directories(*host, ec);
    if (ec) return IoResult::Failure(ec.message());
    return FlushFolder(host->parent_path());
}

IoResult HostFileSystem::RemoveFolder(const std::string& path) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    std::error_code ec;
    if (!IsFolder(*host)) return IoResult::Failure(ErrnoText(ENOTDIR));
    if (!fs::remove(*host, ec) || ec) return IoResult::Failure(ec ? ec.message() : ErrnoText(ENOENT));
    return FlushFolder(host->parent_path());
}

}  // namespace zephrane
