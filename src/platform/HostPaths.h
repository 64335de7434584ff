#pragma once

#ifndef _WIN32

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HostFileSystem.h"

namespace zephrane {

// A program path as the host sees it: the folder its drive or leading slash
// stands for, and its key: the root key ("C:" with the letter in upper case,
// "/", or "." for a relative path) followed by "/" and each name in UTF-8 as
// the program gave it (empty and "." names left out). The key of a folder is
// a prefix of the keys of everything in it.
struct HostParts {
    std::filesystem::path root;  // "" = the working folder
    std::string key;
    std::size_t rootEnd = 0;    // length of the root key
    std::size_t folderEnd = 0;  // end of the key of the folder that holds the last name

    bool HasNames() const { return key.size() > rootEnd; }
    std::string LastName() const { return key.substr(folderEnd + 1); }
};

// Takes program paths apart for the host. The part a path shares with the
// one before it (a walk's paths differ only in their last names) is not
// looked at again, so that the cost does not grow with the depth of a path.
class HostPathParser {
public:
    // nullopt, with `error` set, when the path names a drive the table lacks.
    std::optional<HostParts> Parse(const std::string& path, const std::vector<Drive>& drives,
                                   std::string* error);

private:
    // After text_[0, textEnd) (a separator follows) the key was keyEnd long.
    struct Mark {
        std::size_t textEnd;
        std::size_t keyEnd;
    };

    std::size_t ReusedPrefix(const std::string& path, std::size_t same);
    // Starts the key from the path's drive, leading slash or nothing; where
    // the names begin, or nullopt with `error` for an unknown drive.
    std::optional<std::size_t> StartAtRoot(const std::string& path, const std::vector<Drive>& drives,
                                           std::string* error);
    void AddNames(const std::string& path, std::size_t from);

    std::string text_;  // the last path parsed
    std::string key_;   // its key
    std::vector<Mark> marks_;
    std::filesystem::path root_;
    std::size_t rootEnd_ = 0;
};

// Where two texts first differ (the shorter one's length when one is a
// prefix of the other), at the speed of memcmp.
std::size_t FirstDifference(std::string_view a, std::string_view b);

}  // namespace zephrane

#else

namespace zephrane {
// Windows takes its paths as they are.
class HostPathParser {};
}  // namespace zephrane

#endif
