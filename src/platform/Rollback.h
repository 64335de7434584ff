#pragma once

#include <string>
#include <vector>

#include "platform/JournaledFileSystem.h"

namespace zephrane {

// What putting an operation's files back did.
struct RollbackReport {
    std::vector<std::string> restored;      // now as they were before the operation
    std::vector<std::string> changedSince;  // changed by someone else since: left alone
    std::vector<std::string> failed;        // could not be put back: path and reason

    bool Clean() const { return changedSince.empty() && failed.empty(); }
};

// Puts every file the operation touched back to its before-image, the last
// touched first, when it still holds its before-image or a state the
// operation gave it, whole or cut short; a file that holds anything else was
// changed by someone else since and is left alone. Leftovers of interrupted
// writes are removed.
RollbackReport RollBack(FileSystem& fs, const JournalEntry& entry);

struct Recovery {
    JournalEntry entry;
    RollbackReport report;
};

// At start: rolls back every operation that was never marked complete (and
// whose program is no longer running), and marks it put back once every file
// is in place.
std::vector<Recovery> RecoverInterrupted(FileSystem& fs, Journal& journal);

// The message that tells the user what a recovery did.
std::string RecoveryMessage(const Recovery& recovery);

struct UndoOutcome {
    enum class Result { NothingToUndo, Refused, Done, Failed };
    Result result = Result::NothingToUndo;
    JournalEntry entry;  // the operation to undo
    std::vector<std::string> changedSince;
    RollbackReport report;
    std::vector<std::string> notPutBack;  // a failed undo's own changes that could not be reverted
};

// The newest complete operation that changed a file, is not an undo and has
// not been undone.
std::optional<JournalEntry> LatestUndoable(const Journal& journal);

// Reverts that operation byte for byte, recorded as an operation of its own.
// It is refused, and nothing is changed, when a file it changed no longer
// holds the bytes the operation left; an undo that fails half-way is put back.
UndoOutcome UndoLatest(JournaledFileSystem& fs);

// The message that tells the user what an undo did or why it did nothing.
std::string UndoMessage(const UndoOutcome& outcome);

// "2026-12-06 14:05" in local time.
std::string LocalTimeText(std::int64_t time);

}  // namespace zephrane
