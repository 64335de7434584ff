#pragma once

#include <filesystem>
#include <string>

namespace zephrane::testing {

// A fresh folder under the system's temporary folder, removed again when the
// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the program names it (a host path in the program's text).
    std::string Str() const { return path_.string(); }
    // Writes `bytes` to the relative path (backslashes or slashes), creating folders.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;
    std::filesystem::path MakeDir(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& file);
// Lines joined with CR LF, each line ended: the form the program writes.
std::string Crlf(std::initializer_list<std::string> lines);

}  // namespace zephrane::testing
