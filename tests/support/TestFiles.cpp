#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/TextFile.h"

namespace zephrane::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const auto candidate = fs::temp_directory_path() / ("zephrane-test-" + std::to_string(random()) +
                                                            "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) path_ = candidate;
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(path_, ec);
}

fs::path TempDir::Write(const std::string& relative, const std::string& bytes) const {
    const auto file = path_ / Utf8Path(relative);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    return file;
}

fs::path TempDir::MakeDir(const std::string& relative) const {
    fs::create_directories(path_ / Utf8Path(relative));
    return path_ / Utf8Path(relative);
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

fs::path Utf8Path(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    return std::string(utf8.begin(), utf8.end());
}

// Windows: the wide variant, so that a value any name can hold reaches
// _wgetenv as it was given.
void SetEnv(const char* name, const fs::path& value) {
#ifdef _WIN32
    _wputenv_s(fs::path(name).c_str(), value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

void UnsetEnv(const char* name) {
#ifdef _WIN32
    _wputenv_s(fs::path(name).c_str(), L"");
#else
    unsetenv(name);
#endif
}

std::string Crlf(const Lines& lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

fs::path DataPath(const std::string& relative) {
    return fs::path(ZEPHRANE_TEST_DATA) / relative;
}

std::string Data(const std::string& relative) {
    EXPECT_TRUE(fs::is_regular_file(DataPath(relative))) << "no data file " << relative;
    return ReadBytes(DataPath(relative));
}

Tree ReadTree(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) tree[Utf8(fs::relative(entry.path(), root))] = ReadBytes(entry.path());
    }
    return tree;
}

void ExpectTree(const Tree& actual, const Tree& expected) {
    for (const auto& [path, bytes] : expected) {
        const auto found = actual.find(path);
        if (found == actual.end()) {
            ADD_FAILURE() << "missing file " << path;
        } else {
            EXPECT_EQ(found->second, bytes) << "file " << path;
        }
    }
    for (const auto& [path, bytes] : actual) {
        if (!expected.count(path)) ADD_FAILURE() << "unexpected file " << path << ":\n" << bytes;
    }
}

void ExpectTransforms(const std::string& dir, const Transform& transform) {
    int cases = 0;
    for (const auto& [name, bytes] : ReadTree(DataPath(dir))) {
        if (fs::path(name).extension() != ".in") continue;
        const std::string base = dir + "/" + name.substr(0, name.size() - 3);
        SCOPED_TRACE(base);
        const LineViews in = SplitLineViews(bytes);
        OutputLines out;
        std::string error;
        const bool done = transform(in, out, error);
        EXPECT_EQ(done ? out.Joined() : error, Data(base + (done ? ".out" : ".error")));
        ++cases;
    }
    EXPECT_GT(cases, 0) << "no cases in " << dir;
}

Installation::Installation(const std::string& dataTree) {
    fs::copy(DataPath(dataTree), dir_.Path(), fs::copy_options::recursive);
    original_ = Files();
}

Tree Installation::Expected(const std::string& overlay, const Lines& removed) const {
    Tree expected = original_;
    if (!overlay.empty()) {
        for (const auto& [path, bytes] : ReadTree(DataPath(overlay))) expected[path] = bytes;
    }
    for (const auto& path : removed) expected.erase(path);
    return expected;
}

}  // namespace zephrane::testing
