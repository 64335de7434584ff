// The host file system on Windows: every path goes to the wide-character
// API, and Windows itself matches names without regard to case. A drive
// table, when one is given, stands for the system's drives as it does on
// other hosts.
#ifdef _WIN32

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

#include "platform/HostFileSystem.h"
#include "platform/Unicode.h"
#include "platform/WindowsApi.h"

namespace zephrane {
namespace fs = std::filesystem;

namespace {

constexpr const char* kReadOnly = "The file is read-only.";

IoResult Failure(DWORD code) {
    return IoResult::Failure(SystemErrorText(code));
}

IoResult LastError() {
    return Failure(GetLastError());
}

IoResult IsAFolder() {
    return IoResult::Failure(std::generic_category().message(EISDIR));
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool HasDriveLetter(const std::string& path) {
    const char c = path.size() >= 2 ? UpperAscii(path[0]) : '\0';
    return c >= 'A' && c <= 'Z' && path[1] == ':';
}

// INVALID_FILE_ATTRIBUTES when there is nothing of that name.
DWORD Attributes(const fs::path& path) {
    return GetFileAttributesW(path.c_str());
}

bool IsFolder(const fs::path& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const fs::path& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnlyFile(const fs::path& path) {
    const DWORD attributes = Attributes(path);
    return IsFile(path) && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Sets or clears the read-only attribute and keeps the others.
bool SetReadOnly(const fs::path& path, bool readOnly) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    DWORD changed = readOnly ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~FILE_ATTRIBUTE_READONLY;
    if (changed == 0) changed = FILE_ATTRIBUTE_NORMAL;
    return SetFileAttributesW(path.c_str(), changed);
}

std::optional<std::string> ReadBytes(const fs::path& path, std::string* error) {
    const auto fail = [&](std::string why) -> std::optional<std::string> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    if (IsFolder(path)) return fail(IsAFolder().error);
    // Others may go on using the file meanwhile, as they could before; a
    // program that holds it for itself alone makes the read fail instead.
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fail(SystemErrorText(GetLastError()));
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    BOOL ok = TRUE;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0)
        bytes.append(buffer, got);
    const DWORD readError = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    if (!ok) return fail(SystemErrorText(readError));
    return bytes;
}

// The file a write lands in: a link is followed, so that the link stays and
// the file it names gets the new bytes.
fs::path WriteTarget(const fs::path& path) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return path;
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return path;
    std::wstring target(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(file, target.data(), static_cast<DWORD>(target.size()),
                                                   FILE_NAME_NORMALIZED);
    CloseHandle(file);
    if (length == 0 || length >= target.size()) return path;
    target.resize(length);
    return fs::path(target);
}

// The new content's name while it is written, beside the file it replaces.
fs::path PendingName(const fs::path& target) {
    fs::path pending = target;
    pending += kPendingWriteSuffix;
    return pending;
}

// Writes the whole buffer to a new file (or appends it) and flushes it to the
// disk; a scratch copy is not flushed.
IoResult WriteFlushed(const fs::path& path, const std::string& bytes, DWORD disposition, bool flush = true) {
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
    if (ok && flush) ok = FlushFileBuffers(file);
    const IoResult result = ok ? IoResult::Success() : LastError();
    CloseHandle(file);
    return result;
}

// Windows refuses to replace or delete a file that another program holds
// open with "Access denied"; the user is better told that it is in use.
DWORD InUseOrAsIs(const fs::path& path, DWORD error) {
    if (error != ERROR_ACCESS_DENIED) return error;
    HANDLE file = CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return error;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION ? ERROR_SHARING_VIOLATION : error;
}

// Renames `from` over `to` in one step, flushed through; `crossDevice` tells
// a rename that cannot be made because the two lie on different devices.
IoResult ReplaceFlushed(const fs::path& from, const fs::path& to, bool* crossDevice = nullptr) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return IoResult::Success();
    const DWORD error = GetLastError();
    if (crossDevice) *crossDevice = error == ERROR_NOT_SAME_DEVICE;
    return Failure(InUseOrAsIs(to, error));
}

// Replaces the file atomically: the new bytes go to a file beside it, are
// flushed (unless a scratch copy), and that file is renamed over it. A file
// another program holds open without letting others replace it stays as it was.
IoResult WriteBytes(const fs::path& path, const std::string& bytes, bool flush = true) {
    if (IsReadOnlyFile(path)) return IoResult::Failure(kReadOnly);
    const fs::path target = WriteTarget(path);
    if (IsFolder(target)) return IsAFolder();
    const fs::path pending = PendingName(target);
    IoResult result = WriteFlushed(pending, bytes, CREATE_ALWAYS, flush);
    if (result) result = ReplaceFlushed(pending, target);
    if (!result) DeleteFileW(pending.c_str());
    return result;
}

IoResult RemoveFile(const fs::path& path, bool force) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastError();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return IsAFolder();
    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    if (readOnly && !force) return IoResult::Failure(kReadOnly);
    // Windows refuses to delete a file that carries the read-only attribute.
    if (readOnly && !SetReadOnly(path, false)) return LastError();
    if (DeleteFileW(path.c_str())) return IoResult::Success();
    const IoResult failed = Failure(InUseOrAsIs(path, GetLastError()));
    if (readOnly) SetReadOnly(path, true);
    return failed;
}

std::string EntryPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

}  // namespace

std::optional<fs::path> HostFileSystem::Map(const std::string& path, std::string* error) const {
    if (drives_.empty() || !HasDriveLetter(path)) return TextToPath(path);
    const auto drive = std::find_if(drives_.begin(), drives_.end(), [&](const Drive& d) {
        return d.letter.size() == 1 && UpperAscii(d.letter[0]) == UpperAscii(path[0]);
    });
    if (drive == drives_.end()) {
        if (error) *error = "The drive " + path.substr(0, 2) + " does not exist.";
        return std::nullopt;
    }
    const std::size_t names = path.find_first_not_of("\\/", 2);
    return names == std::string::npos ? drive->root : drive->root / TextToPath(path.substr(names));
}

fs::path HostFileSystem::HostPath(const std::string& path) const {
    return Map(path, nullptr).value_or(fs::path());
}

bool HostFileSystem::FileExists(const std::string& path) const {
    const auto host = Map(path, nullptr);
    return host && IsFile(*host);
}

bool HostFileSystem::FolderExists(const std::string& path) const {
    const auto host = Map(path, nullptr);
    return host && IsFolder(*host);
}

std::vector<std::string> HostFileSystem::Drives() const {
    std::vector<std::string> letters;
    if (!drives_.empty()) {
        for (const auto& drive : drives_) letters.push_back(drive.letter);
        return letters;
    }
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (present & (1u << i)) letters.push_back(std::string(1, static_cast<char>('A' + i)));
    }
    return letters;
}

std::optional<FolderListing> HostFileSystem::ListFolder(const std::string& folder) const {
    const auto host = Map(folder, nullptr);
    if (!host || !IsFolder(*host)) return std::nullopt;
    FolderListing listing;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileExW((*host / L"*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return listing;  // a drive's empty root
        return std::nullopt;
    }
    do {
        const std::wstring name = found.cFileName;
        const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        // A link to a folder is not followed, so that a walk over the tree ends.
        if (name == L"." || name == L".." ||
            (isFolder && (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)))
            continue;
        std::string text = WideToText(name);
        std::string path = EntryPath(folder, text);
        (isFolder ? listing.folders : listing.files).push_back(FolderEntry{std::move(text), std::move(path)});
    } while (FindNextFileW(find, &found));
    const DWORD ended = GetLastError();
    FindClose(find);
    if (ended != ERROR_NO_MORE_FILES) return std::nullopt;
    return listing;
}

std::optional<std::string> HostFileSystem::ReadFile(const std::string& path, std::string* error) const {
    const auto host = Map(path, error);
    if (!host) return std::nullopt;
    return ReadBytes(*host, error);
}

bool HostFileSystem::IsReadOnly(const std::string& path) const {
    const auto host = Map(path, nullptr);
    return host && IsReadOnlyFile(*host);
}

std::optional<std::uint64_t> HostFileSystem::FileSize(const std::string& path) const {
    const auto host = Map(path, nullptr);
    std::error_code ec;
    if (!host || !fs::is_regular_file(fs::status(*host, ec))) return std::nullopt;
    const auto size = fs::file_size(*host, ec);
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
    const auto host = Map(path, nullptr);
    if (!host) return false;
    const DWORD attributes = GetFileAttributesW(host->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return true;
    const auto info = Identity(*host);
    return info && info->nNumberOfLinks > 1 && (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool HostFileSystem::SameFile(const std::string& a, const std::string& b) const {
    const auto first = Identity(HostPath(a));
    const auto second = Identity(HostPath(b));
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

IoResult HostFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    return WriteBytes(*host, bytes);
}

IoResult HostFileSystem::CopyContent(const std::string& source, const std::string& destination,
                                     bool durable) {
    std::string error;
    const auto from = Map(source, &error);
    if (!from) return IoResult::Failure(error);
    const auto to = Map(destination, &error);
    if (!to) return IoResult::Failure(error);
    const auto bytes = ReadBytes(*from, &error);
    if (!bytes) return IoResult::Failure(error);
    return WriteBytes(*to, *bytes, durable);
}

// Deleting a file flushes nothing on Windows anyway: `durable` changes nothing.
IoResult HostFileSystem::RemoveEntry(const std::string& path, bool force, bool) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    return RemoveFile(*host, force);
}

IoResult HostFileSystem::Append(const std::string& path, const std::string& bytes) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    return WriteFlushed(*host, bytes, OPEN_ALWAYS);
}

IoResult HostFileSystem::Move(const std::string& source, const std::string& destination, bool force) {
    std::string error;
    const auto from = Map(source, &error);
    if (!from) return IoResult::Failure(error);
    const auto to = Map(destination, &error);
    if (!to) return IoResult::Failure(error);
    if (Attributes(*from) == INVALID_FILE_ATTRIBUTES) return LastError();
    const bool readOnly = IsReadOnlyFile(*to);
    if (readOnly && !force) return IoResult::Failure(kReadOnly);
    // Windows refuses to replace a file that carries the read-only attribute.
    if (readOnly && !SetReadOnly(*to, false)) return LastError();
    const fs::path target = WriteTarget(*to);
    bool crossDevice = false;
    IoResult moved = ReplaceFlushed(*from, target, &crossDevice);
    if (!moved && crossDevice) {
        // Another device: the bytes are in place and flushed before the original goes.
        const auto bytes = ReadBytes(*from, &error);
        moved = !bytes ? IoResult::Failure(error) : WriteBytes(target, *bytes);
        if (moved) moved = RemoveFile(*from, true);
    }
    if (!moved && readOnly) SetReadOnly(*to, true);
    return moved;
}

IoResult HostFileSystem::MakeFolder(const std::string& path) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    if (IsFolder(*host)) return IoResult::Success();
    std::error_code ec;
    fs::create_directories(*host, ec);
    if (ec) return IoResult::Failure(ec.message());
    return IoResult::Success();
}

IoResult HostFileSystem::RemoveFolder(const std::string& path) {
    std::string error;
    const auto host = Map(path, &error);
    if (!host) return IoResult::Failure(error);
    if (!IsFolder(*host)) return IoResult::Failure(std::generic_category().message(ENOTDIR));
    if (!RemoveDirectoryW(host->c_str())) return LastError();
    return IoResult::Success();
}

}  // namespace zephrane

#endif
