#include "platform/Rollback.h"

#include <algorithm>
#include <ctime>

#include "platform/ShownPath.h"

namespace zephrane {
namespace {

bool OneOf(const FileImage& image, const std::vector<FileImage>& images) {
    return std::find(images.begin(), images.end(), image) != images.end();
}

// The start of a state the operation gave the file: what a power cut can
// leave of a scratch copy, which is never flushed. Only the operation wrote
// those bytes, so the file is the operation's to put back.
bool CutShort(const FileImage& image, const std::vector<FileImage>& images) {
    return image.exists && std::any_of(images.begin(), images.end(), [&](const FileImage& state) {
               return state.exists && state.bytes.size() > image.bytes.size() &&
                      state.bytes.compare(0, image.bytes.size(), image.bytes) == 0;
           });
}

IoResult PutBack(FileSystem& fs, const JournalFile& file) {
    if (file.before.exists) return fs.WriteFile(file.path, file.before.bytes);
    return fs.Remove(file.path, false);
}

void RemoveLeftover(FileSystem& fs, const std::string& path) {
    const std::string pending = path + kPendingWriteSuffix;
    if (fs.FileExists(pending)) fs.Remove(pending, true);
}

std::string Lines(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) text += "\r\n" + ShownPath(item);
    return text;
}

std::string Described(const JournalEntry& entry) {
    return entry.title + " (" + LocalTimeText(entry.time) + ")";
}

// The files the operation left otherwise than it found them.
std::vector<std::string> ChangedSince(const FileSystem& fs, const JournalEntry& entry) {
    std::vector<std::string> changed;
    for (const JournalFile* file : entry.ChangedFiles()) {
        const auto now = CurrentImage(fs, file->path);
        if (!now || *now != file->After()) changed.push_back(file->path);
    }
    return changed;
}

}  // namespace

RollbackReport RollBack(FileSystem& fs, const JournalEntry& entry) {
    RollbackReport report;
    for (auto file = entry.files.rbegin(); file != entry.files.rend(); ++file) {
        std::string error;
        const auto now = CurrentImage(fs, file->path, &error);
        if (!now) {
            report.failed.push_back(file->path + ": " + error);
        } else if (*now == file->before) {
            // Never changed, or already put back.
        } else if (!OneOf(*now, file->afters) && !CutShort(*now, file->afters)) {
            report.changedSince.push_back(file->path);
        } else if (auto r = PutBack(fs, *file); !r) {
            report.failed.push_back(file->path + ": " + r.error);
        } else {
            report.restored.push_back(file->path);
        }
        RemoveLeftover(fs, file->path);
    }
    // Told in the order the operation touched them.
    std::reverse(report.restored.begin(), report.restored.end());
    std::reverse(report.changedSince.begin(), report.changedSince.end());
    std::reverse(report.failed.begin(), report.failed.end());
    return report;
}

std::vector<Recovery> RecoverInterrupted(FileSystem& fs, Journal& journal) {
    std::vector<Recovery> recoveries;
    for (const auto& entry : journal.Interrupted()) {
        if (IsOtherLiveProcess(entry.process)) continue;
        Recovery recovery{entry, RollBack(fs, entry)};
        if (recovery.report.failed.empty()) journal.MarkRolledBack(entry);
        recoveries.push_back(std::move(recovery));
    }
    return recoveries;
}

std::string RecoveryMessage(const Recovery& recovery) {
    const RollbackReport& report = recovery.report;
    std::string text =
        "An earlier run of Zephrane stopped before it had finished: " + Described(recovery.entry) + ".";
    if (!report.restored.empty())
        text += "\r\nThese files have been put back as they were before it:" + Lines(report.restored);
    if (report.restored.empty() && report.Clean())
        text += "\r\nIt had not changed any file yet; nothing had to be put back.";
    if (!report.changedSince.empty())
        text += "\r\nThese files have been changed by another program since and have been left as they are:" +
                Lines(report.changedSince);
    if (!report.failed.empty())
        text += "\r\nThese files could not be put back; Zephrane will try again at its next start:" +
                Lines(report.failed);
    return text;
}

std::optional<JournalEntry> LatestUndoable(const Journal& journal) {
    for (auto& entry : journal.Entries()) {
        // An operation that left every file as it found it has nothing to undo.
        if (entry.complete && !entry.rolledBack && !entry.undone && entry.kind != "undo" &&
            !entry.ChangedFiles().empty())
            return entry;
    }
    return std::nullopt;
}

UndoOutcome UndoLatest(JournaledFileSystem& fs) {
    UndoOutcome outcome;
    Journal& journal = fs.Log();
    auto entry = LatestUndoable(journal);
    if (!entry) return outcome;
    outcome.entry = *entry;
    outcome.changedSince = ChangedSince(fs.Inner(), *entry);
    if (!outcome.changedSince.empty()) {
        outcome.result = UndoOutcome::Result::Refused;
        return outcome;
    }

    journal.Begin("undo", entry->title, entry->name);
    outcome.report = RollBack(fs, *entry);
    journal.Complete();
    if (outcome.report.Clean()) {
        outcome.result = UndoOutcome::Result::Done;
        return outcome;
    }
    // Half an undo is worse than none: put back what it changed.
    outcome.result = UndoOutcome::Result::Failed;
    for (const auto& undo : journal.Entries()) {
        if (undo.kind != "undo" || undo.undoes != entry->name || undo.rolledBack) continue;
        const RollbackReport back = RollBack(fs.Inner(), undo);
        if (back.Clean()) journal.MarkRolledBack(undo);
        outcome.notPutBack = back.failed;
        outcome.notPutBack.insert(outcome.notPutBack.end(), back.changedSince.begin(),
                                  back.changedSince.end());
        break;
    }
    return outcome;
}

std::string UndoMessage(const UndoOutcome& outcome) {
    switch (outcome.result) {
        case UndoOutcome::Result::NothingToUndo:
            return "There is no operation to undo.";
        case UndoOutcome::Result::Refused:
            return "Could not undo " + Described(outcome.entry) +
                   ".\r\nThese files have been changed since:" + Lines(outcome.changedSince) +
                   "\r\nNo file has been changed.";
        case UndoOutcome::Result::Done:
            return "Undone: " + Described(outcome.entry) +
                   ".\r\nThese files are back as they were before it:" + Lines(outcome.report.restored);
        case UndoOutcome::Result::Failed:
            break;
    }
    std::string text = "Could not undo " + Described(outcome.entry) + ".";
    if (!outcome.report.failed.empty())
        text += "\r\nThese files could not be put back:" + Lines(outcome.report.failed);
    if (!outcome.report.changedSince.empty())
        text += "\r\nThese files were changed meanwhile:" + Lines(outcome.report.changedSince);
    if (!outcome.notPutBack.empty())
        return text + "\r\nThese files are left as the undo had made them:" + Lines(outcome.notPutBack);
    return text + "\r\nThe files it had already put back have been returned to how they were.";
}

std::string LocalTimeText(std::int64_t time) {
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

}  // namespace zephrane
