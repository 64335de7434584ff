// Damaged, hostile and unlucky installations through the main window. Each
// case of tests/data/hostile changes the order installation ("! EDIT PATH" or
// "! EDIT PATH | TEXT"), sends the driver its commands ("> COMMAND") and
// expects its other lines printed as they are, the program's and the
// journal's folders written {program} and {journal}; every file stays as it
// was but those a "= PATH" line names, and one named by "^ PATH | TEXT"
// begins with TEXT. "#" begins a comment.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/DriveSession.h"
#include "platform/TextFile.h"

namespace zephrane::testing {
namespace {

namespace fs = std::filesystem;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// In a case's texts \r and \n stand for line ends, {20MB} for 20 MB of "x".
std::string Unescape(const std::string& text) {
    return Replaced(Replaced(Replaced(text, "\\r", "\r"), "\\n", "\n"), "{20MB}", std::string(20 << 20, 'x'));
}

// Makes a file or folder unchangeable, also for root (the immutable
// attribute), or changeable again.
void Lock(const std::string& f, bool on) {
    std::system((on ? "chmod a-w '" + f + "'; chattr +i '" + f + "' 2>/dev/null"
                    : "chattr -i '" + f + "' 2>/dev/null; chmod u+w '" + f + "'")
                    .c_str());
}

// One edit: "KIND PATH" or "KIND PATH | TEXT".
void Edit(const std::string& edit, const Installation& install, Lines& options, Lines& locked) {
    const auto blank = edit.find(' '), bar = edit.find(" | ");
    const std::string kind = edit.substr(0, blank), path = edit.substr(blank + 1, bar - blank - 1);
    const std::string text = bar == std::string::npos ? "" : Unescape(edit.substr(bar + 3));
    const fs::path file = install.Path(path);
    const std::string old = fs::is_regular_file(file) ? ReadBytes(file) : "";
    std::string wide = "\xFF\xFE";
    for (char c : old) wide += std::string{c, '\0'};
    const auto arrow = text.find(" => ");
    // clang-format off
    const std::map<std::string, std::string> written = {
        {"write", text}, {"prefix", text + old}, {"truncate", old.substr(0, std::atoi(text.c_str()))}, {"utf16", wide},
        {"copy", ReadBytes(install.Path(text))}, {"cr", Replaced(old, "\r\n", "\r")},
        {"replace", arrow == std::string::npos ? old : Replaced(old, text.substr(0, arrow), text.substr(arrow + 4))}};
    // clang-format on
    if (written.count(kind)) install.Write(path, written.at(kind));
    if (kind == "remove" || kind == "folder" || kind == "symlink" || kind == "hardlink") install.Remove(path);
    if (kind == "folder") fs::create_directories(file);
    if (kind == "move") fs::rename(file, install.Path(text));
    if (kind == "symlink") fs::create_symlink(install.Path(text), file);
    if (kind == "hardlink") fs::create_hard_link(install.Path(text), file);
    if (kind == "lock") Lock(locked.emplace_back(file.string()), true);
    if (kind == "limit") options.insert(options.end(), {"--file-size-limit", path});
}

// One case: its edits, the driver's run, what it printed, the files. False
// when the driver printed nothing at all.
bool RunCase(const std::string& name, const std::string& bytes) {
    SCOPED_TRACE(name);
    Installation install("orders/install");
    Lines options = DriveOptions(install), commands, expected, printed, locked;
    Tree mayChange, begins;
    for (const auto& line : SplitLines(bytes)) {
        const std::string rest = line.size() > 2 ? line.substr(2) : "", head = line.substr(0, 2);
        if (head == "! ") Edit(rest, install, options, locked);
        if (head == "> ") commands.push_back(rest);
        if (head == "= ") mayChange[rest];
        if (head == "^ ")
            begins[rest.substr(0, rest.find(" | "))] = Unescape(rest.substr(rest.find(" | ") + 3));
        if (line[0] == '{') expected.push_back(line);
    }
    Tree before = install.Files();
    for (const auto& line : RunDrive(options, commands))
        printed.push_back(Replaced(Replaced(line, install.Host("program"), "{program}"),
                                   install.JournalRoot().string(), "{journal}"));
    for (const auto& f : locked) Lock(f, false);
    EXPECT_EQ(Crlf(printed), Crlf(expected));
    Tree after = install.Files();
    for (const auto& [file, text] : begins) EXPECT_EQ(after[file].substr(0, text.size()), text) << file;
    for (const auto& [file, unused] : mayChange) before.erase(file), after.erase(file);
    ExpectTree(after, before);
    return !printed.empty();
}

// The cases in eight groups: a driver that hangs at start ends its group
// after its first case, not each case after its own wait.
class HostileInputs : public ::testing::TestWithParam<int> {};

TEST_P(HostileInputs, SayWhatHappenedAndChangeNoFileButTheirOwn) {
    int i = 0;
    for (const auto& [name, bytes] : ReadTree(DataPath("hostile")))
        if (i++ % 8 == GetParam() && !RunCase(name, bytes)) break;
}

INSTANTIATE_TEST_SUITE_P(Groups, HostileInputs, ::testing::Range(0, 8));

}  // namespace
}  // namespace zephrane::testing
