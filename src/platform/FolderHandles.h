#pragma once

#ifndef _WIN32

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HostPaths.h"

namespace zephrane {

// One folder of a chain, opened by its name in the folder above it.
struct OpenFolder {
    std::size_t keyEnd = 0;  // where this folder's part of the chain's key ends
    std::string hostName;    // its name in the folder above, as the host spells it
    int fd = -1;             // -1 once closed to stay within the handle budget
    bool identified = false;
    dev_t dev = 0;
    ino_t ino = 0;
    std::uint64_t checkedIn = 0;     // the call in which it was opened or last found in place
    bool read = false;               // the handle has been listed from (its offset moved)
    bool listed = false;             // `names` holds the folder's entries
    std::vector<std::string> names;  // for matching names without regard to case
};

// Open handles of the folders the program works in, so that an operation
// does not resolve its path from the root again: a path's folder is found by
// its key (the program's text of it), and a missing folder is opened by name
// relative to the deepest one already open. A chain holds one folder and its
// ancestors; a few chains serve folders far apart (a walk and the program's
// own folder). Only the deepest few folders of a chain stay open: an
// ancestor closed for the budget is taken back through ".." of its child and
// checked to be the same folder. A folder used again in a later call is
// checked to still be where its path says (one fstatat), and the whole chain
// is checked so every `recheck` (0: on every call), or ten times as long as
// the last such check took when that is longer, so that checking a deep chain
// never takes more than a tenth of the time; a folder renamed or removed is
// resolved afresh from its path, so nothing lands in a folder moved away.
class FolderHandles {
public:
    using Clock = std::chrono::steady_clock;
    explicit FolderHandles(Clock::duration recheck = std::chrono::milliseconds(50));
    ~FolderHandles();
    FolderHandles(const FolderHandles&) = delete;
    FolderHandles& operator=(const FolderHandles&) = delete;

    // Starts a new call: folders kept from earlier calls are checked again
    // when they are used.
    void NextCall() { ++call_; }

    // The open folder whose key is the first `keyEnd` characters of the
    // path's key; nullptr with `error` (an errno value) when a folder on the
    // way is missing or cannot be opened. With `create`, missing folders are
    // made (and their parents flushed). Valid until the next Open or Clear.
    OpenFolder* Open(const HostParts& parts, std::size_t keyEnd, bool create, int& error);

    // The host's name of `wanted` in the folder: the exact name when it
    // exists, else the first entry that differs only in case, else `wanted`
    // (so that new files can be named).
    std::string NameIn(OpenFolder& folder, const std::string& wanted);

    // Calls `each` with every entry of the folder and its type as listed
    // (a DT_ value) and keeps the names for later case matching.
    bool List(OpenFolder& folder, const std::function<void(const char* name, unsigned char type)>& each);

    // The host names of the folders on the way to `keyEnd`, as far as they
    // exist (for showing a host path).
    std::vector<std::string> ResolvedNames(const HostParts& parts, std::size_t keyEnd);

    // A name was created or removed in the folder: its listing is stale.
    void ForgetListing(const HostParts& parts, std::size_t keyEnd);
    // The folder was removed or renamed: it and everything below is dropped.
    void ForgetFolder(const HostParts& parts, std::size_t keyEnd);

    void Clear();

private:
    struct Chain {
        std::string key;  // the key of the deepest folder
        std::filesystem::path root;
        std::vector<OpenFolder> levels;  // levels[0] is the root
        std::size_t firstOpen = 0;       // levels from here down are open, those above closed
        std::uint64_t used = 0;
        Clock::time_point nextWholeCheck;
    };

    Chain& ChooseChain(std::string_view key);
    bool MoveChain(Chain& chain, const HostParts& parts, std::string_view key, bool create, int& error);
    bool OpenRoot(Chain& chain, const HostParts& parts, int& error);
    bool Push(Chain& chain, std::string_view name, bool create, int& error);
    int OpenChild(OpenFolder& parent, const std::string& name, bool create, std::string& hostName,
                  int& error);
    void Pop(Chain& chain);
    bool IsStillInPlace(Chain& chain);
    void CheckWholeChain(Chain& chain);
    void CheckEveryLevel(Chain& chain);
    void KeepWithinBudget(Chain& chain);
    static void ForgetNames(OpenFolder& level);
    static void CloseLevel(OpenFolder& level);
    static bool Identify(OpenFolder& level);
    static void Truncate(Chain& chain, std::size_t levels);

    std::vector<Chain> chains_;
    std::size_t openPerChain_ = 16;
    Clock::duration recheck_;
    std::uint64_t call_ = 1;
    std::uint64_t tick_ = 0;
    std::vector<char> buffer_;
};

// Flushes a folder's entries to the disk: 0, or the errno value. A file
// system that cannot flush folders counts as done.
int SyncFolder(int fd);

}  // namespace zephrane

#else

namespace zephrane {
// Windows resolves paths itself; nothing is kept.
class FolderHandles {};
}  // namespace zephrane

#endif
