#include "platform/Journal.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>

#include "platform/Sha256.h"

#ifdef _WIN32
#include "platform/WindowsApi.h"
#else
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace zephrane {
namespace {

// An entry's state is the ending of its file's name, so that a start finds
// the interrupted operations from the folder's listing alone, and a state
// changes by one rename.
constexpr const char* kOpen = ".open";
constexpr const char* kDone = ".done";
constexpr const char* kPutBack = ".back";
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
        while (NextLine(line) && ReadTouch(line, entry, byPath)) {
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

// "00000042-1234.done": the entry's name "00000042-1234" and its state.
struct EntryFile {
    std::string name;
    std::string state;
    std::int64_t sequence = -1;
};

std::optional<EntryFile> ParseEntryFile(const std::string& file) {
    const auto dot = file.rfind('.');
    if (dot == std::string::npos || dot < 10 || file[8] != '-') return std::nullopt;
    EntryFile entry{file.substr(0, dot), file.substr(dot), 0};
    if (entry.state != kOpen && entry.state != kDone && entry.state != kPutBack) return std::nullopt;
    for (std::size_t i = 0; i < 8; ++i) {
        if (file[i] < '0' || file[i] > '9') return std::nullopt;
        entry.sequence = entry.sequence * 10 + (file[i] - '0');
    }
    return entry;
}

std::string EntryName(std::int64_t sequence, std::int64_t process) {
    char name[64];
    std::snprintf(name, sizeof name, "%08lld-%lld", static_cast<long long>(sequence),
                  static_cast<long long>(process));
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

std::vector<std::string> Journal::EntryFiles() const {
    std::vector<std::string> names;
    if (const auto files = store_.Files(folder_)) {
        for (const auto& file : *files) {
            if (ParseEntryFile(file.name)) names.push_back(file.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void Journal::Begin(const std::string& kind, const std::string& title, const std::string& undoes) {
    open_ = true;
    name_.clear();
    recorded_.clear();
    header_ = kind + " " + (undoes.empty() ? "-" : undoes) + " " +
              Number(static_cast<std::int64_t>(title.size())) + "\n" + title + "\n";
}

// The entry is made with the first file the operation touches.
IoResult Journal::OpenEntry() {
    if (auto made = store_.MakeFolder(folder_); !made) return made;
    const auto files = EntryFiles();
    const std::int64_t sequence = files.empty() ? 1 : ParseEntryFile(files.back())->sequence + 1;
    name_ = EntryName(sequence, CurrentProcessId());
    return IoResult::Success();
}

IoResult Journal::Record(const std::string& path, const std::optional<FileImage>& before,
                         const FileImage& after) {
    std::string record = TouchRecord(path, before, after);
    if (name_.empty()) {
        if (auto r = OpenEntry(); !r) return r;
        record = "begin " + Number(static_cast<std::int64_t>(std::time(nullptr))) + " " +
                 Number(CurrentProcessId()) + " " + header_ + record;
    }
    if (auto r = store_.Append(EntryPath(name_ + kOpen), record); !r) return r;
    recorded_.insert(path);
    return IoResult::Success();
}

IoResult Journal::Complete() {
    const std::string name = name_;
    open_ = false;
    name_.clear();
    recorded_.clear();
    if (name.empty()) return IoResult::Success();
    if (auto r = store_.Move(EntryPath(name + kOpen), EntryPath(name + kDone), false); !r) return r;
    Prune();
    return IoResult::Success();
}

IoResult Journal::MarkRolledBack(const JournalEntry& entry) {
    const std::string from = entry.complete ? kDone : kOpen;
    return store_.Move(EntryPath(entry.name + from), EntryPath(entry.name + kPutBack), false);
}

std::optional<JournalEntry> Journal::ReadEntry(const std::string& file) const {
    const auto parsed = ParseEntryFile(file);
    const auto bytes = store_.ReadFile(EntryPath(file));
    if (!parsed || !bytes) return std::nullopt;
    JournalEntry entry;
    entry.name = parsed->name;
    entry.sequence = parsed->sequence;
    entry.complete = parsed->state == kDone;
    entry.rolledBack = parsed->state == kPutBack;
    EntryReader reader(*bytes);
    reader.Read(entry);
    if (!reader.Valid()) return std::nullopt;
    return entry;
}

std::vector<JournalEntry> Journal::Entries() const {
    std::vector<JournalEntry> entries;
    for (const auto& file : EntryFiles()) {
        if (auto entry = ReadEntry(file)) entries.push_back(std::move(*entry));
    }
    for (const auto& undo : entries) {
        if (undo.kind != "undo" || !undo.complete) continue;
        for (auto& entry : entries) {
            if (entry.name == undo.undoes) entry.undone = true;
        }
    }
    std::reverse(entries.begin(), entries.end());
    return entries;
}

std::vector<JournalEntry> Journal::Interrupted() const {
    std::vector<JournalEntry> entries;
    for (const auto& file : EntryFiles()) {
        if (ParseEntryFile(file)->state != kOpen) continue;
        if (auto entry = ReadEntry(file)) entries.insert(entries.begin(), std::move(*entry));
    }
    return entries;
}

void Journal::Prune() {
    const auto files = EntryFiles();
    std::vector<std::uint64_t> sizes;
    std::uint64_t total = 0;
    for (const auto& file : files) {
        sizes.push_back(store_.FileSize(EntryPath(file)).value_or(0));
        total += sizes.back();
    }
    for (std::size_t i = 0; i + limits_.entries < files.size() && total > limits_.bytes; ++i) {
        if (!store_.Remove(EntryPath(files[i]), false)) break;
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
