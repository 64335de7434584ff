#pragma once

// Files for the tests: temporary folders, the data files under tests/data,
// and whole folder trees compared file by file.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/TextFile.h"

namespace zephrane::testing {

using Lines = std::vector<std::string>;
// Relative path in UTF-8 ("c/Careers/Hans Kurz/Patrols_0.cfg") -> bytes.
using Tree = std::map<std::string, std::string>;

// A fresh folder under the system's temporary folder, removed with its
// content (read-only files included) when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes `bytes` to the relative path (UTF-8, slashes), creating its folders.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;
    std::filesystem::path MakeDir(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& file);
// A host path named in UTF-8, and a host path in UTF-8 with "/" separators,
// on every host.
std::filesystem::path Utf8Path(const std::string& utf8);
std::string Utf8(const std::filesystem::path& path);
// Sets or removes a variable of the test program's environment.
void SetEnv(const char* name, const std::filesystem::path& value);
void UnsetEnv(const char* name);
// Every line ended with CR LF, the form the program writes.
std::string Crlf(const Lines& lines);
// A file or folder under tests/data.
std::filesystem::path DataPath(const std::string& relative);
std::string Data(const std::string& relative);

Tree ReadTree(const std::filesystem::path& root);
// Names every file that is missing, unexpected or different.
void ExpectTree(const Tree& actual, const Tree& expected);

// Each tests/data/<dir>/<case>.in through `transform`: the lines it gives
// are <case>.out byte for byte, or it refuses with the text of <case>.error.
using Transform = std::function<bool(const LineViews& in, OutputLines& out, std::string& error)>;
void ExpectTransforms(const std::string& dir, const Transform& transform);

// A copy of a folder tree of tests/data in a temporary folder: the
// installation a test runs the program on.
class Installation {
public:
    explicit Installation(const std::string& dataTree);

    std::filesystem::path Path(const std::string& relative = "") const {
        return dir_.Path() / Utf8Path(relative);
    }
    std::string Host(const std::string& relative = "") const { return Path(relative).string(); }
    void Write(const std::string& relative, const std::string& bytes) const { dir_.Write(relative, bytes); }
    void Remove(const std::string& relative) const { std::filesystem::remove_all(Path(relative)); }

    // The folder for the journal of operations of the program run on it, kept
    // apart so that Files() sees the installation alone.
    const std::filesystem::path& JournalRoot() const { return journal_.Path(); }

    Tree Files() const { return ReadTree(dir_.Path()); }
    const Tree& Original() const { return original_; }
    // The tree as it was made, with the files of tests/data/<overlay> laid
    // over it and the `removed` files gone.
    Tree Expected(const std::string& overlay, const Lines& removed = {}) const;

private:
    TempDir dir_;
    TempDir journal_;
    Tree original_;
};

}  // namespace zephrane::testing
