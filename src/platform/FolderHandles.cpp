#include "platform/FolderHandles.h"

#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/UniqueFd.h"

namespace zephrane {
namespace {

constexpr std::size_t kChains = 4;
constexpr std::size_t kListingBuffer = 64 * 1024;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// The handles one chain may keep open: a small share of the process's limit.
std::size_t OpenPerChain() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 16;
    return std::clamp<std::size_t>(static_cast<std::size_t>(limit.rlim_cur) / 32, 2, 16);
}

int OpenFolderAt(int parent, const char* name) {
    int fd = ::openat(parent, name, kFolderFlags);
#ifdef O_PATH
    // A folder that may be passed through but not listed is still a way down.
    if (fd < 0 && errno == EACCES) fd = ::openat(parent, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
#endif
    return fd;
}

bool SameIdentity(const struct stat& st, const OpenFolder& level) {
    return level.identified && st.st_dev == level.dev && st.st_ino == level.ino;
}

// How many levels of the chain lead along `key`: the root and every folder
// whose key is a prefix of `key` ending at a name boundary.
std::size_t CommonLevels(const std::string& chainKey, const std::vector<OpenFolder>& levels,
                         std::string_view key) {
    const std::size_t same = FirstDifference(chainKey, key);
    const auto after = std::upper_bound(levels.begin(), levels.end(), same,
                                        [](std::size_t v, const OpenFolder& l) { return v < l.keyEnd; });
    auto common = static_cast<std::size_t>(after - levels.begin());
    if (common > 0) {
        const std::size_t end = levels[common - 1].keyEnd;
        if (end < key.size() && key[end] != '/') --common;
    }
    return common;
}

// Reads every entry of an open folder from its start (`rewind`: it was read before).
bool ReadEntries(int fd, bool rewind, std::vector<char>& buffer,
                 const std::function<void(const char* name, unsigned char type)>& each) {
#ifdef __linux__
    if (rewind && ::lseek(fd, 0, SEEK_SET) < 0) return false;
    buffer.resize(kListingBuffer);
    for (;;) {
        const ssize_t got = ::getdents64(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return got == 0;
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const struct dirent64*>(buffer.data() + at);
            at += entry->d_reclen;
            each(entry->d_name, entry->d_type);
        }
    }
#else
    (void)rewind;
    (void)buffer;
    const int copy = ::dup(fd);
    DIR* dir = copy < 0 ? nullptr : ::fdopendir(copy);
    if (!dir) {
        if (copy >= 0) ::close(copy);
        return false;
    }
    ::rewinddir(dir);
    errno = 0;
    while (const struct dirent* entry = ::readdir(dir)) each(entry->d_name, entry->d_type);
    const bool ok = errno == 0;
    ::closedir(dir);
    return ok;
#endif
}

}  // namespace

FolderHandles::FolderHandles(Clock::duration recheck) : openPerChain_(OpenPerChain()), recheck_(recheck) {
    chains_.reserve(kChains);
}

FolderHandles::~FolderHandles() {
    Clear();
}

void FolderHandles::Clear() {
    for (auto& chain : chains_) Truncate(chain, 0);
    chains_.clear();
}

OpenFolder* FolderHandles::Open(const HostParts& parts, std::size_t keyEnd, bool create, int& error) {
    const std::string_view key(parts.key.data(), keyEnd);
    Chain& chain = ChooseChain(key);
    if (!MoveChain(chain, parts, key, create, error)) return nullptr;
    return &chain.levels.back();
}

// The chain that reaches `key` with the fewest folders closed and opened, or
// a new one when starting from the root costs as much (then a chain in use
// elsewhere, such as the one of a walk, stays where it is). Moving a chain
// costs the levels it drops plus those it opens; a new chain opens every
// level of the key: a move saves as many levels as it shares.
FolderHandles::Chain& FolderHandles::ChooseChain(std::string_view key) {
    Chain* best = nullptr;
    std::ptrdiff_t bestExtra = 0;
    for (auto& chain : chains_) {
        const std::size_t common = CommonLevels(chain.key, chain.levels, key);
        const auto extra =
            static_cast<std::ptrdiff_t>(chain.levels.size() - common) - static_cast<std::ptrdiff_t>(common);
        if (!best || extra < bestExtra || (extra == bestExtra && chain.used > best->used)) {
            best = &chain;
            bestExtra = extra;
        }
    }
    const bool full = chains_.size() == kChains;
    if (!best || bestExtra > 0 || (bestExtra == 0 && !full)) {
        if (!full) {
            best = &chains_.emplace_back();
        } else {
            best = &*std::min_element(chains_.begin(), chains_.end(),
                                      [](const Chain& a, const Chain& b) { return a.used < b.used; });
            Truncate(*best, 0);
        }
    }
    best->used = ++tick_;
    return *best;
}

bool FolderHandles::MoveChain(Chain& chain, const HostParts& parts, std::string_view key, bool create,
                              int& error) {
    const std::size_t common = CommonLevels(chain.key, chain.levels, key);
    while (chain.levels.size() > common) Pop(chain);
    if (!chain.levels.empty() && Clock::now() >= chain.nextWholeCheck) CheckWholeChain(chain);
    // The folder an operation works in, when it is kept, must still be where
    // its path says (ancestors are left to the whole-chain check). One that
    // moved, or an ancestor that could not be taken back, is resolved afresh.
    const auto usable = [&](Chain& c) {
        return c.levels.back().fd >= 0 && (c.key.size() < key.size() || IsStillInPlace(c));
    };
    while (!chain.levels.empty() && !usable(chain)) {
        Truncate(chain, chain.levels.size() - 1);
        if (!chain.levels.empty()) ForgetNames(chain.levels.back());
    }
    if (chain.levels.empty() && !OpenRoot(chain, parts, error)) return false;
    while (chain.key.size() < key.size()) {
        const std::size_t start = chain.key.size() + 1;
        const std::size_t end = std::min(key.find('/', start), key.size());
        if (!Push(chain, key.substr(start, end - start), create, error)) return false;
    }
    return true;
}

bool FolderHandles::OpenRoot(Chain& chain, const HostParts& parts, int& error) {
    const std::string path = parts.root.empty() ? "." : parts.root.string();
    const int fd = OpenFolderAt(AT_FDCWD, path.c_str());
    if (fd < 0) {
        error = errno;
        return false;
    }
    OpenFolder root;
    root.keyEnd = parts.rootEnd;
    root.hostName = path;
    root.fd = fd;
    root.checkedIn = call_;
    chain.root = parts.root;
    chain.key.assign(parts.key, 0, parts.rootEnd);
    chain.levels.push_back(std::move(root));
    chain.firstOpen = 0;
    chain.nextWholeCheck = Clock::now() + recheck_;
    return true;
}

bool FolderHandles::Push(Chain& chain, std::string_view name, bool create, int& error) {
    std::string hostName;
    const int fd = OpenChild(chain.levels.back(), std::string(name), create, hostName, error);
    if (fd < 0) return false;
    chain.key.append("/").append(name);
    OpenFolder level;
    level.keyEnd = chain.key.size();
    level.hostName = std::move(hostName);
    level.fd = fd;
    level.checkedIn = call_;
    chain.levels.push_back(std::move(level));
    KeepWithinBudget(chain);
    return true;
}

int FolderHandles::OpenChild(OpenFolder& parent, const std::string& name, bool create, std::string& hostName,
                             int& error) {
    hostName = name;
    int fd = OpenFolderAt(parent.fd, name.c_str());
    if (fd >= 0) return fd;
    int err = errno;
    if (err == ENOENT && name != "..") {
        hostName = NameIn(parent, name);
        if (hostName != name) {
            fd = OpenFolderAt(parent.fd, hostName.c_str());
            if (fd >= 0) return fd;
            err = errno;
        }
    }
    if (err != ENOENT || !create) {
        error = err;
        return -1;
    }
    hostName = name;
    if (::mkdirat(parent.fd, name.c_str(), 0777) != 0 && errno != EEXIST) {
        error = errno;
        return -1;
    }
    ForgetNames(parent);
    // The new name is only durable once the folder that holds it is.
    if (const int synced = SyncFolder(parent.fd); synced != 0) {
        error = synced;
        return -1;
    }
    fd = OpenFolderAt(parent.fd, name.c_str());
    if (fd < 0) error = errno;
    return fd;
}

// Drops the deepest folder. When the one above it was closed for the budget,
// it is taken back through ".." and kept only if it is the same folder.
void FolderHandles::Pop(Chain& chain) {
    const std::size_t top = chain.levels.size() - 1;
    if (top > 0 && chain.firstOpen == top && chain.levels[top].fd >= 0) {
        OpenFolder& parent = chain.levels[top - 1];
        const int fd = OpenFolderAt(chain.levels[top].fd, "..");
        struct stat st {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && SameIdentity(st, parent)) {
            parent.fd = fd;
            --chain.firstOpen;
        } else if (fd >= 0) {
            ::close(fd);
        }
    }
    Truncate(chain, top);
}

bool FolderHandles::IsStillInPlace(Chain& chain) {
    OpenFolder& top = chain.levels.back();
    if (top.checkedIn == call_) return true;
    if (!Identify(top)) return false;
    struct stat st {};
    const std::size_t index = chain.levels.size() - 1;
    if (index == 0) {
        const std::string path = chain.root.empty() ? "." : chain.root.string();
        if (::stat(path.c_str(), &st) != 0 || !SameIdentity(st, top)) return false;
    } else {
        OpenFolder& parent = chain.levels[index - 1];
        if (parent.fd < 0) {
            // Taken back through "..": if the folder moved, that is another folder.
            const int fd = OpenFolderAt(top.fd, "..");
            if (fd < 0 || ::fstat(fd, &st) != 0 || !SameIdentity(st, parent)) {
                if (fd >= 0) ::close(fd);
                return false;
            }
            parent.fd = fd;
            chain.firstOpen = index - 1;
            KeepWithinBudget(chain);
        }
        if (::fstatat(parent.fd, top.hostName.c_str(), &st, 0) != 0 || !SameIdentity(st, top)) return false;
    }
    top.checkedIn = call_;
    return true;
}

// Checks the whole chain, and when to do so again: a deep chain takes long to
// check, and is then checked less often.
void FolderHandles::CheckWholeChain(Chain& chain) {
    const auto start = Clock::now();
    CheckEveryLevel(chain);
    const auto end = Clock::now();
    chain.nextWholeCheck =
        end + (recheck_ == Clock::duration::zero() ? recheck_ : std::max(recheck_, 10 * (end - start)));
}

// Checks every folder of the chain, from the root down, to still be where
// its name says; the chain ends above the first one that is not.
void FolderHandles::CheckEveryLevel(Chain& chain) {
    OpenFolder& root = chain.levels.front();
    const std::string rootPath = chain.root.empty() ? "." : chain.root.string();
    struct stat st {};
    if (!Identify(root) || ::stat(rootPath.c_str(), &st) != 0 || !SameIdentity(st, root)) {
        Truncate(chain, 0);
        return;
    }
    // A closed folder is looked at through a handle opened just for the check.
    int above = root.fd;
    UniqueFd opened(root.fd < 0 ? OpenFolderAt(AT_FDCWD, rootPath.c_str()) : -1);
    if (root.fd < 0) above = opened.Get();
    for (std::size_t i = 1; i < chain.levels.size() && above >= 0; ++i) {
        OpenFolder& level = chain.levels[i];
        if (!Identify(level) || ::fstatat(above, level.hostName.c_str(), &st, 0) != 0 ||
            !SameIdentity(st, level)) {
            Truncate(chain, i);
            ForgetNames(chain.levels.back());
            return;
        }
        if (level.fd >= 0) {
            above = level.fd;
        } else {
            opened = UniqueFd(OpenFolderAt(above, level.hostName.c_str()));
            above = opened.Get();
        }
    }
}

// The deepest folders are the ones in use; the shallowest open one is closed
// first, after its identity is noted for taking it back later.
void FolderHandles::KeepWithinBudget(Chain& chain) {
    while (chain.levels.size() - chain.firstOpen > openPerChain_) {
        OpenFolder& level = chain.levels[chain.firstOpen];
        Identify(level);
        CloseLevel(level);
        ++chain.firstOpen;
    }
}

void FolderHandles::ForgetNames(OpenFolder& level) {
    level.listed = false;
    level.names.clear();
}

void FolderHandles::CloseLevel(OpenFolder& level) {
    if (level.fd >= 0) ::close(level.fd);
    level.fd = -1;
}

bool FolderHandles::Identify(OpenFolder& level) {
    if (level.identified) return true;
    struct stat st {};
    if (level.fd < 0 || ::fstat(level.fd, &st) != 0) return false;
    level.dev = st.st_dev;
    level.ino = st.st_ino;
    level.identified = true;
    return true;
}

void FolderHandles::Truncate(Chain& chain, std::size_t levels) {
    while (chain.levels.size() > levels) {
        CloseLevel(chain.levels.back());
        chain.levels.pop_back();
    }
    chain.firstOpen = std::min(chain.firstOpen, chain.levels.size());
    chain.key.resize(chain.levels.empty() ? 0 : chain.levels.back().keyEnd);
}

std::string FolderHandles::NameIn(OpenFolder& folder, const std::string& wanted) {
    struct stat st {};
    if (wanted == ".." || ::fstatat(folder.fd, wanted.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 ||
        errno != ENOENT)
        return wanted;
    if (!folder.listed && !List(folder, nullptr)) return wanted;
    for (const auto& name : folder.names) {
        if (EqualIgnoringCase(name, wanted)) return name;
    }
    return wanted;
}

bool FolderHandles::List(OpenFolder& folder,
                         const std::function<void(const char* name, unsigned char type)>& each) {
    folder.names.clear();
    const bool rewind = folder.read;
    folder.read = true;
    folder.listed = ReadEntries(folder.fd, rewind, buffer_, [&](const char* name, unsigned char type) {
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return;
        folder.names.emplace_back(name);
        if (each) each(name, type);
    });
    if (!folder.listed) folder.names.clear();
    return folder.listed;
}

std::vector<std::string> FolderHandles::ResolvedNames(const HostParts& parts, std::size_t keyEnd) {
    const std::string_view key(parts.key.data(), keyEnd);
    Chain& chain = ChooseChain(key);
    int error = 0;
    MoveChain(chain, parts, key, false, error);
    std::vector<std::string> names;
    for (std::size_t i = 1; i < chain.levels.size(); ++i) names.push_back(chain.levels[i].hostName);
    return names;
}

void FolderHandles::ForgetListing(const HostParts& parts, std::size_t keyEnd) {
    const std::string_view key(parts.key.data(), keyEnd);
    for (auto& chain : chains_) {
        const std::size_t common = CommonLevels(chain.key, chain.levels, key);
        if (common > 0 && chain.levels[common - 1].keyEnd == key.size())
            ForgetNames(chain.levels[common - 1]);
    }
}

void FolderHandles::ForgetFolder(const HostParts& parts, std::size_t keyEnd) {
    const std::string_view key(parts.key.data(), keyEnd);
    for (auto& chain : chains_) {
        const std::size_t common = CommonLevels(chain.key, chain.levels, key);
        if (common > 0 && chain.levels[common - 1].keyEnd == key.size()) Truncate(chain, common - 1);
    }
}

int SyncFolder(int fd) {
    if (::fsync(fd) == 0) return 0;
    int err = errno;
    if (err == EBADF) {
        // A handle that may only pass through the folder: flush it through a readable one.
        const int readable = ::openat(fd, ".", kFolderFlags);
        if (readable < 0) return errno;
        err = ::fsync(readable) == 0 ? 0 : errno;
        ::close(readable);
    }
    // Some file systems cannot flush a folder; the change itself is made.
    if (err == EINVAL || err == ENOTSUP) return 0;
    return err;
}

}  // namespace zephrane

#endif
