// ForceUpdate: writes the entries an update changed, the directory after them, and rolls back on failure.
#include "archive/internal/EngineInternals.h"
#include "archive/internal/UpdateState.h"

#include <algorithm>

namespace korvane {

namespace {

std::size_t keepIndexOf(const TZEDirArray& current, const TZEDirArray& snapshot) {
    const auto common = std::min(current.size(), snapshot.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (current[i].StoredName != snapshot[i].StoredName || current[i].Modified) {
            return i;
        }
    }
    return common;
}

TZEProcessOperation operationOf(const TZEDirArray& current) {
    const auto modified = std::find_if(current.begin(), current.end(), [](const TDirItem& i) { return i.Modified; });
    return modified == current.end() ? poDelete : modified->PendingOperation;
}

} // namespace

bool TZEBaseArchiver::raiseFileProgress(const std::string& name, double progress, TZEProcessOperation operation,
                                        TZEProgressPhase phase) {
    bool cancel = false;
    if (OnFileProgress) {
        OnFileProgress(*this, name, progress, operation, phase, cancel);
    }
    cancelled_ = cancelled_ || cancel;
    return cancel;
}

bool TZEBaseArchiver::raiseOverallProgress(double progress, TZEProcessOperation operation, TZEProgressPhase phase) {
    bool cancel = false;
    if (OnOverallProgress) {
        OnOverallProgress(*this, progress, operation, phase, cancel);
    }
    cancelled_ = cancelled_ || cancel;
    return cancel;
}

void TZEBaseArchiver::ForceUpdate() {
    if (updateCount_ <= 0) {
        return;
    }
    if (staged_) {
        forceStagedUpdate();
        return;
    }
    updateCount_ = 0;
    cancelled_ = false;
    auto& manager = *dirManager_;
    TZEUpdateState state;
    state.filesTotal = static_cast<int>(std::count_if(manager.CurrentList.begin(), manager.CurrentList.end(),
                                                      [](const TDirItem& i) { return i.Modified; }));
    state.keepIndex = keepIndexOf(manager.CurrentList, manager.SnapshotList);
    state.operation = operationOf(manager.CurrentList);
    if (raiseOverallProgress(0, state.operation, ppStart)) {
        manager.CurrentList = manager.SnapshotList; // nothing was written: the prepared entries are dropped
        return;
    }
    const auto ahead = static_cast<std::uint64_t>(manager.BytesAhead);
    if (manager.SnapshotList.size() > state.keepIndex) {
        state.writePosition = manager.SnapshotList[state.keepIndex].localHeaderOffset() + ahead;
    } else if (!manager.SnapshotList.empty()) {
        state.writePosition = manager.CentralDirEnd.CentralDirOffset + ahead;
    } else {
        state.writePosition = ahead;
    }
    try {
        saveTail(state);
        state.fileCut = true;
        if (!archiveFile_->truncate(state.writePosition)) {
            raiseError(zeerr::kWriteError);
        }
        archiveFile_->seek(state.writePosition);
        writeUpdate(state);
        if (!cancelled_) {
            SaveDir(archiveFile_->position(), state.keepIndex);
            state.tail.reset();
        }
    } catch (...) {
        rollBack(state);
        if (Options.FlushBuffers) {
            archiveFile_->flush();
        }
        throw;
    }
    if (!cancelled_) {
        raiseOverallProgress(100, state.operation, ppEnd);
    } else {
        rollBack(state);
    }
    if (Options.FlushBuffers) {
        archiveFile_->flush();
    }
}

void TZEBaseArchiver::writeUpdate(TZEUpdateState& state) {
    auto& current = dirManager_->CurrentList;
    const auto& snapshot = dirManager_->SnapshotList;
    std::size_t i = state.keepIndex;
    while (i < current.size()) {
        auto& item = current[i];
        if (!item.Modified) {
            copyFromTail(item, i, state);
            ++i;
            continue;
        }
        const auto start = archiveFile_->position();
        TZEAction action = fxaIgnore;
        const bool written = writeEntry(item, state, action);
        if (written) {
            ++state.filesDone;
            ++i;
        }
        if (cancelled_ || (!written && action == fxaAbort)) {
            cancelled_ = true;
            return;
        }
        if (written) {
            continue;
        }
        // Whatever the failed attempt wrote is overwritten by what comes next, or cut by the directory.
        archiveFile_->seek(start);
        if (action == fxaRetry) {
            continue;
        }
        if (item.PendingOperation == poUpdate && i < snapshot.size()) {
            item = snapshot[i];
            copyFromTail(item, i, state);
            ++i;
        } else {
            current.erase(current.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

} // namespace korvane
