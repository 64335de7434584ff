// The host file system on Windows: paths pass through as they are, and
// Windows itself matches names without regard to case.
#ifdef _WIN32

#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <system_error>

#include "platform/Cp1252.h"
#include "platform/HostFileSystem.h"

namespace zephrane {
namespace fs = std::filesystem;

namespace {

constexpr const char* kReadOnly = "The file is read-only.";

std::string ErrnoText(int err) {
    return std::generic_category().message(err != 0 ? err : EIO);
}

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

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(fs::status(path, ec));
}

// Like the read-only attribute: a file without write permission is refused.
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
    std::FILE* file = _wfopen(path.c_str(), L"rb");
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

IoResult LastError() {
    return IoResult::Failure(std::system_category().message(static_cast<int>(GetLastError())));
}

// Writes the whole buffer to a new file (or appends it) and flushes it to the disk.
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

// Renames `from` over `to` in one step, flushed through; `crossDevice` tells
// a rename that cannot be made because the two lie on different devices.
IoResult ReplaceFlushed(const fs::path& from, const fs::path& to, bool* crossDevice = nullptr) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return IoResult::Success();
    if (crossDevice) *crossDevice = GetLastError() == ERROR_NOT_SAME_DEVICE;
    return LastError();
}

// Replaces the file atomically: the new bytes go to a file beside it, are
// flushed, and that file is renamed over it.
IoResult WriteBytes(const fs::path& path, const std::string& bytes) {
    if (IsReadOnlyFile(path)) return IoResult::Failure(kReadOnly);
    const fs::path target = WriteTarget(path);
    if (IsFolder(target)) return IoResult::Failure(ErrnoText(EISDIR));
    const fs::path pending = PendingName(target);
    IoResult result = WriteFlushed(pending, bytes, CREATE_ALWAYS);
    if (result) result = ReplaceFlushed(pending, target);
    if (!result) {
        std::error_code ec;
        fs::remove(pending, ec);
    }
    return result;
}

IoResult RemoveFile(const fs::path& path, bool force) {
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    if (!fs::exists(status)) return IoResult::Failure(ErrnoText(ENOENT));
    if (fs::is_directory(status)) return IoResult::Failure(ErrnoText(EISDIR));
    if (IsReadOnlyFile(path)) {
        if (!force) return IoResult::Failure(kReadOnly);
        // Windows refuses to delete a file that carries the read-only attribute.
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
    }
    if (!fs::remove(path, ec) || ec) return IoResult::Failure(ec ? ec.message() : ErrnoText(ENOENT));
    return IoResult::Success();
}

std::string EntryPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

}  // namespace

fs::path HostFileSystem::Map(const std::string& path) const {
    return ToHost(path);
}

fs::path HostFileSystem::HostPath(const std::string& path) const {
    return Map(path);
}

bool HostFileSystem::FileExists(const std::string& path) const {
    std::error_code ec;
    return fs::is_regular_file(fs::status(Map(path), ec));
}

bool HostFileSystem::FolderExists(const std::string& path) const {
    return IsFolder(Map(path));
}

std::vector<std::string> HostFileSystem::Drives() const {
    std::vector<std::string> letters;
    wchar_t buffer[512];
    const DWORD length = GetLogicalDriveStringsW(512, buffer);
    if (length == 0 || length > 512) return letters;
    for (const wchar_t* root = buffer; *root; root += std::wcslen(root) + 1)
        letters.push_back(std::string(1, static_cast<char>(root[0])));
    return letters;
}

std::optional<FolderListing> HostFileSystem::ListFolder(const std::string& folder) const {
    std::error_code ec;
    fs::directory_iterator it(Map(folder), ec);
    FolderListing listing;
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        // The listing carries each entry's type; a link to a folder is not followed.
        const bool isFolder = it->symlink_status(typeError).type() == fs::file_type::directory;
        const bool isFile = !isFolder && it->is_regular_file(typeError);
        if (typeError || (!isFolder && !isFile)) continue;
        std::string name = FromHost(it->path().filename());
        std::string path = EntryPath(folder, name);
        (isFolder ? listing.folders : listing.files).push_back(FolderEntry{std::move(name), std::move(path)});
    }
    if (ec) return std::nullopt;
    return listing;
}

std::optional<std::string> HostFileSystem::ReadFile(const std::string& path, std::string* error) const {
    return ReadBytes(Map(path), error);
}

bool HostFileSystem::IsReadOnly(const std::string& path) const {
    return IsReadOnlyFile(Map(path));
}

std::optional<std::uint64_t> HostFileSystem::FileSize(const std::string& path) const {
    const fs::path host = Map(path);
    std::error_code ec;
    if (!fs::is_regular_file(fs::status(host, ec))) return std::nullopt;
    const auto size = fs::file_size(host, ec);
    if (ec) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

namespace {

// The volume, the file's number on it, and how many names it has.
std::optional<BY_HANDLE_FILE_INFORMATION> Identity(const fs::path& path) {
    HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!ok) return std::nullopt;
    return info;
}

}  // namespace

// Symbolic links and junctions are reparse points.
bool HostFileSystem::IsLink(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Map(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return true;
    const auto info = Identity(Map(path));
    return info && info->nNumberOfLinks > 1 && (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool HostFileSystem::SameFile(const std::string& a, const std::string& b) const {
    const auto first = Identity(Map(a));
    const auto second = Identity(Map(b));
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

IoResult HostFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(Map(path), bytes);
}

IoResult HostFileSystem::Copy(const std::string& source, const std::string& destination) {
    std::string error;
    const auto bytes = ReadBytes(Map(source), &error);
    if (!bytes) return IoResult::Failure(error);
    return WriteBytes(Map(destination), *bytes);
}

IoResult HostFileSystem::Remove(const std::string& path, bool force) {
    return RemoveFile(Map(path), force);
}

IoResult HostFileSystem::Append(const std::string& path, const std::string& bytes) {
    return WriteFlushed(Map(path), bytes, OPEN_ALWAYS);
}

IoResult HostFileSystem::Move(const std::string& source, const std::string& destination, bool force) {
    const fs::path from = Map(source);
    const fs::path to = Map(destination);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(from, ec))) return IoResult::Failure(ErrnoText(ENOENT));
    if (IsReadOnlyFile(to)) {
        if (!force) return IoResult::Failure(kReadOnly);
        // Windows refuses to replace a file that carries the read-only attribute.
        fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, ec);
    }
    const fs::path target = WriteTarget(to);
    bool crossDevice = false;
    if (auto moved = ReplaceFlushed(from, target, &crossDevice); moved || !crossDevice) return moved;
    // Another device: the bytes are in place and flushed before the original goes.
    std::string error;
    const auto bytes = ReadBytes(from, &error);
    if (!bytes) return IoResult::Failure(error);
    if (auto written = WriteBytes(target, *bytes); !written) return written;
    return RemoveFile(from, true);
}

IoResult HostFileSystem::MakeFolder(const std::string& path) {
    const fs::path host = Map(path);
    std::error_code ec;
    if (IsFolder(host)) return IoResult::Success();
    fs::create_directories(host, ec);
    if (ec) return IoResult::Failure(ec.message());
    return IoResult::Success();
}

IoResult HostFileSystem::RemoveFolder(const std::string& path) {
    const fs::path host = Map(path);
    std::error_code ec;
    if (!IsFolder(host)) return IoResult::Failure(ErrnoText(ENOTDIR));
    if (!fs::remove(host, ec) || ec) return IoResult::Failure(ec ? ec.message() : ErrnoText(ENOENT));
    return IoResult::Success();
}

}  // namespace zephrane

#endif
