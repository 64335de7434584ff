#include "platform/Journal.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>

#include "platform/Sha256.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace zephrane {
namespace {

constexpr const char* kSuffix = ".log";
constexpr std::int64_t kAbsent = -1;
constexpr std::int64_t kRecordedBefore = -2;

std::string Number(std::int64_t n) {
    return std::to_string(n);
}

// "<size> <sha-256>" of an image; "-1 -" for a file that does not exist.
std::string ImageFields(const FileImage& image) {
    if (!image.exists) return Number(kAbsent) + " -";
    return Number(image.Size()) + " " + Sha256Hex(image.bytes);
}

std::string TouchRecord(const std::string& path, const std::optional<FileImage>& before,
                        const FileImage& after) {
    const std::string beforeFields = before ? ImageFields(*before) : Number(kRecordedBefore) + " -";
    std::string record = "touch " + Number(static_cast<std::int64_t>(path.size())) + " " + beforeFields +
                         " " + ImageFields(after) + "\n" + path;
    if (before && before->exists) record += before->bytes;
    if (after.exists) record += after.bytes;
    return record + "\n";
}

// Reads the records of one entry. A record cut off or damaged ends the
// reading: it was being written when the program stopped, so the file it
// names had not been touched yet.
class EntryReader {
public:
    explicit EntryReader(const std::string& bytes) : bytes_(bytes) {}

    void Read(JournalEntry& entry) {
        std::map<std::string, std::size_t> byPath;
        std::string line;
        if (!NextLine(line) || !ReadBegin(line, entry)) return;
        while (NextLine(line)) {
            if (line == "complete") {
                entry.complete = true;
            } else if (line == "rolledback") {
                entry.rolledBack = true;
            } else if (!ReadTouch(line, entry, byPath)) {
                return;
            }
        }
    }

    bool Valid() const { return valid_; }

private:
    bool NextLine(std::string& line) {
        const auto end = bytes_.find('\n', at_);
        if (end == std::string::npos) return false;
        line = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        return true;
    }

    bool Take(std::int64_t size, std::string& out) {
        if (size < 0 || static_cast<std::uint64_t>(size) > bytes_.size() - at_) return false;
        out = bytes_.substr(at_, static_cast<std::size_t>(size));
        at_ += static_cast<std::size_t>(size);
        return true;
    }

    bool TakeImage(std::int64_t size, const std::string& sha, FileImage& image) {
        if (size == kAbsent) {
            image = FileImage::Absent();
            return true;
        }
        std::string bytes;
        if (!Take(size, bytes) || Sha256Hex(bytes) != sha) return false;
        image = FileImage::Of(std::move(bytes));
        return true;
    }

    bool ReadBegin(const std::string& line, JournalEntry& entry) {
        char kind[32] = {};
        char undoes[128] = {};
        long long time = 0;
        long long process = 0;
        long long titleSize = 0;
        if (std::sscanf(line.c_str(), "begin %lld %lld %31s %127s %lld", &time, &process, kind, undoes,
                        &titleSize) != 5)
            return false;
        std::string title;
        std::string end;
        if (!Take(titleSize, title) || !Take(1, end) || end != "\n") return false;
        entry.time = time;
        entry.process = process;
        entry.kind = kind;
        entry.undoes = std::string(undoes) == "-" ? "" : undoes;
        entry.title = title;
        valid_ = true;
        return true;
    }

    bool ReadTouch(const std::string& line, JournalEntry& entry, std::map<std::string, std::size_t>& byPath) {
        long long pathSize = 0;
        long long beforeSize = 0;
        long long afterSize = 0;
        char beforeSha[65] = {};
        char afterSha[65] = {};
        if (std::sscanf(line.c_str(), "touch %lld %lld %64s %lld %64s", &pathSize, &beforeSize, beforeSha,
                        &afterSize, afterSha) != 5)
            return false;
        std::string path;
        FileImage before;
        FileImage after;
        std::string end;
        if (!Take(pathSize, path)) return false;
        if (beforeSize != kRecordedBefore && !TakeImage(beforeSize, beforeSha, before)) return false;
        if (!TakeImage(afterSize, afterSha, after) || !Take(1, end) || end != "\n") return false;

        const auto known = byPath.find(path);
        if (known != byPath.end()) {
            entry.files[known->second].afters.push_back(std::move(after));
        } else if (beforeSize != kRecordedBefore) {
            byPath[path] = entry.files.size();
            entry.files.push_back(JournalFile{path, std::move(before), {std::move(after)}});
        } else {
            return false;
        }
        return true;
    }

    const std::string& bytes_;
    std::size_t at_ = 0;
    bool valid_ = false;
};

// "00000042-1234.log" -> 42; -1 for a name that is not an entry's.
std::int64_t SequenceOf(const std::string& name) {
    if (name.size() <= 9 || name[8] != '-' || name.size() < 4 ||
        name.compare(name.size() - 4, 4, kSuffix) != 0)
        return -1;
    std::int64_t n = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

std::string EntryName(std::int64_t sequence, std::int64_t process) {
    char name[64];
    std::snprintf(name, sizeof name, "%08lld-%lld%s", static_cast<long long>(sequence),
                  static_cast<long long>(process), kSuffix);
    return name;
}

}  // namespace

std::vector<const JournalFile*> JournalEntry::ChangedFiles() const {
    std::vector<const JournalFile*> changed;
    for (const auto& file : files) {
        if (file.Changed()) changed.push_back(&file);
    }
    return changed;
}

Journal::Journal(FileSystem& store, std::string folder, JournalLimits limits)
    : store_(store), folder_(std::move(folder)), limits_(limits) {}

std::vector<std::string> Journal::EntryNames() const {
    std::vector<std::string> names;
    if (const auto files = store_.Files(folder_)) {
        for (const auto& file : *files) {
            if (SequenceOf(file.name) >= 0) names.push_back(file.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void Journal::Begin(const std::string& kind, const std::string& title, const std::string& undoes) {
    open_ = true;
    path_.clear();
    recorded_.clear();
    header_ = kind + " " + (undoes.empty() ? "-" : undoes) + " " +
              Number(static_cast<std::int64_t>(title.size())) + "\n" + title + "\n";
}

// The entry is made with the first file the operation touches.
IoResult Journal::OpenEntry() {
    if (auto made = store_.MakeFolder(folder_); !made) return made;
    const auto names = EntryNames();
    const std::int64_t sequence = names.empty() ? 1 : SequenceOf(names.back()) + 1;
    path_ = EntryPath(EntryName(sequence, CurrentProcessId()));
    return IoResult::Success();
}

IoResult Journal::Record(const std::string& path, const std::optional<FileImage>& before,
                         const FileImage& after) {
    std::string record = TouchRecord(path, before, after);
    if (path_.empty()) {
        if (auto r = OpenEntry(); !r) return r;
        record = "begin " + Number(static_cast<std::int64_t>(std::time(nullptr))) + " " +
                 Number(CurrentProcessId()) + " " + header_ + record;
    }
    if (auto r = store_.Append(path_, record); !r) return r;
    recorded_.insert(path);
    return IoResult::Success();
}

IoResult Journal::Complete() {
    const std::string path = path_;
    open_ = false;
    path_.clear();
    recorded_.clear();
    if (path.empty()) return IoResult::Success();
    if (auto r = store_.Append(path, "complete\n"); !r) return r;
    Prune();
    return IoResult::Success();
}

IoResult Journal::MarkRolledBack(const JournalEntry& entry) {
    return store_.Append(EntryPath(entry.name), "rolledback\n");
}

std::vector<JournalEntry> Journal::Entries() const {
    std::vector<JournalEntry> entries;
    for (const auto& name : EntryNames()) {
        const auto bytes = store_.ReadFile(EntryPath(name));
        if (!bytes) continue;
        JournalEntry entry;
        entry.name = name;
        entry.sequence = SequenceOf(name);
        EntryReader reader(*bytes);
        reader.Read(entry);
        if (reader.Valid()) entries.push_back(std::move(entry));
    }
    for (const auto& undo : entries) {
        if (undo.kind != "undo" || !undo.complete || undo.rolledBack) continue;
        for (auto& entry : entries) {
            if (entry.name == undo.undoes) entry.undone = true;
        }
    }
    std::reverse(entries.begin(), entries.end());
    return entries;
}

void Journal::Prune() {
    const auto names = EntryNames();
    std::vector<std::uint64_t> sizes;
    std::uint64_t total = 0;
    for (const auto& name : names) {
        sizes.push_back(store_.FileSize(EntryPath(name)).value_or(0));
        total += sizes.back();
    }
    for (std::size_t i = 0; i + limits_.entries < names.size() && total > limits_.bytes; ++i) {
        if (!store_.Remove(EntryPath(names[i]), false)) break;
        total -= sizes[i];
    }
}

#ifdef _WIN32

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(GetCurrentProcessId());
}

bool IsOtherLiveProcess(std::int64_t process) {
    if (process == CurrentProcessId()) return false;
    HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
    if (!handle) return false;
    const bool running = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    CloseHandle(handle);
    return running;
}

#else

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(::getpid());
}

bool IsOtherLiveProcess(std::int64_t process) {
    if (process <= 0 || process == CurrentProcessId()) return false;
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

#endif

}  // namespace zephrane
