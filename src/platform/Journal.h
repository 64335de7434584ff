#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace zephrane {

// One state of a file: its bytes, or that it did not exist.
struct FileImage {
    bool exists = false;
    std::string bytes;

    static FileImage Absent() { return {}; }
    static FileImage Of(std::string bytes) { return {true, std::move(bytes)}; }
    // The size in bytes; -1 for a file that does not exist.
    std::int64_t Size() const { return exists ? static_cast<std::int64_t>(bytes.size()) : -1; }
    bool operator==(const FileImage&) const = default;
};

// A file an operation touched: how it was before the operation first touched
// it, and every state the operation gave it, the last one being its state
// when the operation ended.
struct JournalFile {
    std::string path;
    FileImage before;
    std::vector<FileImage> afters;

    const FileImage& After() const { return afters.back(); }
    bool Changed() const { return before != After(); }
};

// The oldest entries of a journal are pruned beyond `bytes` in all, but never
// the newest `entries`.
struct JournalLimits {
    std::size_t entries = 50;
    std::uint64_t bytes = 200ull * 1024 * 1024;
};

// One operation of the journal: an order, a patch run, a reset, an undo.
struct JournalEntry {
    std::string name;  // the entry's name in the journal folder, without its state
    std::int64_t sequence = 0;
    std::int64_t time = 0;  // seconds since 1970
    std::int64_t process = 0;
    std::string kind;    // "order", "patch", "reset", "undo"
    std::string title;   // what the user chose, as the window names it
    std::string undoes;  // for an undo: the name of the entry it reverted
    bool complete = false;
    bool rolledBack = false;         // interrupted, and put back when the program next started
    bool undone = false;             // a complete undo has reverted it
    std::vector<JournalFile> files;  // in the order the operation first touched them

    // The files whose state at the end differs from their state before.
    std::vector<const JournalFile*> ChangedFiles() const;
};

// The journal of operations: one append-only file per operation in its own
// folder (outside every folder a patch walk reaches), "<sequence>-<process>"
// and the entry's state: ".open" while it runs, ".done" once complete,
// ".back" once an interrupted one has been put back. Before a file is
// touched, its before-image and the state it is about to get are appended and
// flushed; the entry is renamed complete after the last change. An operation
// that was not marked complete can be rolled back from this record alone.
class Journal {
public:
    // `store` is the file system the journal writes its own files through;
    // the files of an operation are recorded by JournaledFileSystem.
    Journal(FileSystem& store, std::string folder, JournalLimits limits = {});

    const std::string& Folder() const { return folder_; }

    // Opens a new operation. Its entry is written with the first file it
    // touches: an operation that touches no file leaves no entry.
    void Begin(const std::string& kind, const std::string& title, const std::string& undoes = "");
    bool IsOpen() const { return open_; }
    // Whether the open operation has recorded this path already.
    bool HasRecorded(const std::string& path) const { return recorded_.count(path) > 0; }
    // Records, flushed, the state a file is about to get; `before` is given the
    // first time the operation touches the file.
    IoResult Record(const std::string& path, const std::optional<FileImage>& before, const FileImage& after);
    // Marks the open operation complete and prunes old entries.
    IoResult Complete();
    // Marks an interrupted entry as put back.
    IoResult MarkRolledBack(const JournalEntry& entry);

    // Every entry, newest first, with `undone` filled in.
    std::vector<JournalEntry> Entries() const;
    // The entries never marked complete nor put back, newest first: found
    // without reading the others.
    std::vector<JournalEntry> Interrupted() const;

private:
    std::string EntryPath(const std::string& file) const { return folder_ + "\\" + file; }
    // The entries' file names, oldest first.
    std::vector<std::string> EntryFiles() const;
    std::optional<JournalEntry> ReadEntry(const std::string& file) const;
    IoResult OpenEntry();
    void Prune();

    FileSystem& store_;
    std::string folder_;
    JournalLimits limits_;
    bool open_ = false;
    std::string header_;  // kind, undone entry and title of the open operation
    std::string name_;    // its entry, once written
    std::set<std::string> recorded_;
};

// The process this program runs as, and whether another one is still alive.
std::int64_t CurrentProcessId();
bool IsOtherLiveProcess(std::int64_t process);

}  // namespace zephrane
