// An archive written aside: created beside FileName, each update appended once, the directory written once
// when the archive is committed, and only then put in FileName's place.
#include "archive/ArchiveWriteError.h"
#include "archive/internal/AheadCompressor.h"
#include "archive/internal/DiskPaths.h"
#include "archive/internal/EngineInternals.h"
#include "archive/internal/FileMasks.h"
#include "archive/internal/UpdateState.h"

#include <algorithm>

namespace korvane {

void TZEBaseArchiver::CreateArchiveAside() {
    if (FileName.empty() || FileName.find_last_of("/\\") == FileName.size() - 1) {
        raiseError(zeerr::kBlankFileName);
    }
    CloseArchive();
    archiveFile_ = std::make_unique<TZEArchiveFile>(TZEArchiveFile::createAside(FileName));
    dirManager_ = std::make_unique<TZEDirManager>();
    dirManager_->CentralDirEnd.Signature = endRecordSignature_;
    staged_ = std::make_unique<TZEStagedState>();
    openMode_ = kOpenModeCreate;
    updateCount_ = 0;
    active_ = true;
    if (AfterOpen) {
        AfterOpen(*this);
    }
}

void TZEBaseArchiver::CommitArchive() {
    if (!active_ || !staged_) {
        raiseError(zeerr::kArchiveNotOpen);
    }
    struct Close {
        TZEBaseArchiver& self;
        ~Close() { self.CloseArchive(); }
    } close{*this};
    ForceUpdate();
    SaveDir(staged_->dataEnd, 0);
    archiveFile_->replaceDestination();
}

void TZEBaseArchiver::failWrite() const {
    if (staged_) {
        throw ArchiveWriteError(FileName, archiveFile_->lastError());
    }
    raiseError(zeerr::kWriteError);
}

void TZEBaseArchiver::restoreSnapshot() {
    auto& list = dirManager_->CurrentList;
    if (!staged_) {
        list = dirManager_->SnapshotList;
        return;
    }
    list.resize(std::min(list.size(), staged_->updateStart));
    staged_->names.truncate(list.size());
    for (auto& [index, item] : staged_->refilled) {
        list[index] = std::move(item);
    }
    staged_->refilled.clear();
}

void TZEBaseArchiver::forceStagedUpdate() {
    updateCount_ = 0;
    cancelled_ = false;
    auto& staged = *staged_;
    auto& list = dirManager_->CurrentList;
    // Refilled entries come first in the list, then the ones this update added.
    std::sort(staged.refilled.begin(), staged.refilled.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    TZEUpdateState state;
    state.filesTotal = static_cast<int>(staged.refilled.size() + list.size() - staged.updateStart);
    state.operation = !staged.refilled.empty()           ? list[staged.refilled.front().first].PendingOperation
                      : list.size() > staged.updateStart ? list[staged.updateStart].PendingOperation
                                                         : poDelete;
    if (raiseOverallProgress(0, state.operation, ppStart)) {
        restoreSnapshot();
        return;
    }
    state.writePosition = staged.dataEnd;
    archiveFile_->seek(state.writePosition);
    try {
        writeStagedEntries(state);
    } catch (...) {
        restoreSnapshot();
        throw;
    }
    if (cancelled_) {
        restoreSnapshot();
        return;
    }
    staged.dataEnd = archiveFile_->position();
    for (const auto& [index, item] : staged.refilled) {
        list[index].Modified = false;
    }
    for (auto i = staged.updateStart; i < list.size(); ++i) {
        list[i].Modified = false;
    }
    staged.refilled.clear();
    staged.updateStart = list.size();
    raiseOverallProgress(100, state.operation, ppEnd);
}

void TZEBaseArchiver::CompressAhead(std::vector<TZEAheadFile> Files) {
    if (!staged_ || compMethod_ == 0) {
        return;
    }
    std::erase_if(Files, [this](const TZEAheadFile& file) {
        const std::string_view name = namePartOf(file.Path);
        return std::any_of(NoCompressionMasks.begin(), NoCompressionMasks.end(),
                           [&name](const std::string& mask) { return MatchesMask(name, mask); });
    });
    ahead_ = std::make_unique<AheadCompressor>(std::move(Files), compressionMode_);
}

void TZEBaseArchiver::writeStagedEntries(TZEUpdateState& state) {
    auto& staged = *staged_;
    auto& list = dirManager_->CurrentList;
    for (const auto& [index, old] : staged.refilled) {
        while (list[index].Modified && !writeStagedEntry(index, state)) {
            if (cancelled_) {
                return;
            }
        }
    }
    auto i = staged.updateStart;
    while (i < list.size()) {
        if (list[i].Modified && !writeStagedEntry(i, state)) {
            if (cancelled_) {
                return;
            }
            continue;
        }
        ++i;
    }
}

// Writes one entry at the end of the data; false when it must be tried again or is gone (the entry at the
// index is then the next one, or a refilled entry is back as it was), or when the update ends.
bool TZEBaseArchiver::writeStagedEntry(std::size_t index, TZEUpdateState& state) {
    auto& staged = *staged_;
    auto& list = dirManager_->CurrentList;
    const auto start = archiveFile_->position();
    TZEAction action = fxaIgnore;
    if (writeEntry(list[index], state, action)) {
        ++state.filesDone;
        return true;
    }
    if (cancelled_ || action == fxaAbort) {
        cancelled_ = true;
        return false;
    }
    archiveFile_->seek(start);
    if (action == fxaRetry) {
        return false;
    }
    if (index < staged.updateStart) {
        const auto old = std::find_if(staged.refilled.begin(), staged.refilled.end(),
                                      [&](const auto& refill) { return refill.first == index; });
        list[index] = old->second; // its old data stays where it was
        return false;
    }
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    staged.names.truncate(index);
    return false;
}

} // namespace korvane
