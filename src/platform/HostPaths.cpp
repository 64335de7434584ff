#include "platform/HostPaths.h"

#ifndef _WIN32

#include <algorithm>
#include <cstring>

#include "platform/Unicode.h"

namespace zephrane {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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

// Appends a name of the program's text in UTF-8; plain ASCII is copied as it is.
void AppendName(std::string& key, std::string_view name) {
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        key.append(name);
    } else {
        key.append(TextToUtf8(std::string(name)));
    }
}

}  // namespace

std::size_t FirstDifference(std::string_view a, std::string_view b) {
    constexpr std::size_t kChunk = 256;
    const std::size_t n = std::min(a.size(), b.size());
    if (std::memcmp(a.data(), b.data(), n) == 0) return n;
    std::size_t at = 0;
    while (at + kChunk <= n && std::memcmp(a.data() + at, b.data() + at, kChunk) == 0) at += kChunk;
    while (a[at] == b[at]) ++at;
    return at;
}

std::optional<HostParts> HostPathParser::Parse(const std::string& path, const std::vector<Drive>& drives,
                                               std::string* error) {
    const std::size_t same = FirstDifference(text_, path);
    std::size_t from = ReusedPrefix(path, same);
    if (from == 0) {
        const auto start = StartAtRoot(path, drives, error);
        if (!start) return std::nullopt;
        from = *start;
    }
    // Only the part that differs is copied.
    text_.resize(std::min(same, text_.size()));
    text_.append(path, text_.size());
    AddNames(path, from);

    HostParts parts;
    parts.root = root_;
    parts.key = key_;
    parts.rootEnd = rootEnd_;
    const auto slash = key_.rfind('/');
    parts.folderEnd = slash == std::string::npos || slash < rootEnd_ ? rootEnd_ : slash;
    return parts;
}

// Where parsing can go on from: just after the last separator up to which
// the path equals the last one (whose key is kept so far); 0 for none.
std::size_t HostPathParser::ReusedPrefix(const std::string& path, std::size_t same) {
    // A mark is shared when the path has the same text before it and a
    // separator (or its end) at it.
    auto shared = static_cast<std::size_t>(
        std::lower_bound(marks_.begin(), marks_.end(), same,
                         [](const Mark& m, std::size_t v) { return m.textEnd < v; }) -
        marks_.begin());
    if (shared < marks_.size() && marks_[shared].textEnd == same && same == path.size()) ++shared;
    if (shared == 0) return 0;
    const Mark mark = marks_[shared - 1];
    key_.resize(mark.keyEnd);
    marks_.resize(shared);
    return mark.textEnd + 1;
}

std::optional<std::size_t> HostPathParser::StartAtRoot(const std::string& path,
                                                       const std::vector<Drive>& drives, std::string* error) {
    text_.clear();
    marks_.clear();
    std::size_t start = 0;
    if (HasDriveLetter(path)) {
        const Drive* drive = FindDrive(drives, path[0]);
        if (!drive) {
            if (error) *error = "The drive " + path.substr(0, 2) + " does not exist.";
            return std::nullopt;
        }
        root_ = drive->root;
        key_.assign(1, static_cast<char>(path[0] & ~0x20)).push_back(':');
        start = 2;
    } else if (!path.empty() && IsSeparator(path[0])) {
        root_ = "/";
        key_.assign(1, '/');
    } else {
        root_.clear();
        key_.assign(1, '.');
    }
    rootEnd_ = key_.size();
    return start;
}

void HostPathParser::AddNames(const std::string& path, std::size_t from) {
    std::size_t at = from;
    while (at < path.size()) {
        if (IsSeparator(path[at])) {
            marks_.push_back(Mark{at, key_.size()});
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::string_view name(path.data() + at, end - at);
        if (name != ".") {
            key_.push_back('/');
            AppendName(key_, name);
        }
        at = end;
    }
}

}  // namespace zephrane

#endif
