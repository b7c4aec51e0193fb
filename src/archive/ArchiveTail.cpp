// The archive's tail behind a replaced entry: saved to the temporary file, copied back entry by entry, and
// put back whole by the roll back.
#include "archive/internal/EngineInternals.h"
#include "archive/internal/TempFile.h"
#include "archive/internal/UpdateState.h"

#include <algorithm>

namespace korvane {

void TZEBaseArchiver::saveTail(TZEUpdateState& state) {
    const auto& snapshot = dirManager_->SnapshotList;
    if (snapshot.size() <= state.keepIndex) {
        return;
    }
    const auto ahead = static_cast<std::uint64_t>(dirManager_->BytesAhead);
    const std::uint64_t directoryStart = dirManager_->CentralDirEnd.CentralDirOffset + ahead;
    std::vector<std::uint64_t> starts;
    for (const auto& item : snapshot) {
        starts.push_back(item.localHeaderOffset() + ahead);
    }
    std::sort(starts.begin(), starts.end());
    // An entry's bytes reach to the next entry's local header, or to the directory.
    for (std::size_t i = state.keepIndex; i < snapshot.size(); ++i) {
        const auto start = snapshot[i].localHeaderOffset() + ahead;
        const auto next = std::upper_bound(starts.begin(), starts.end(), start);
        const auto end = next == starts.end() ? directoryStart : std::min(*next, directoryStart);
        state.tailSpans.push_back(end > start ? end - start : 0);
    }
    state.tail.emplace(TempDir);
    const auto size = archiveFile_->size();
    if (!copyBytes(archiveFile_->handle(), state.writePosition, state.tail->handle(), 0, size - state.writePosition)) {
        state.tail.reset();
        raiseError(zeerr::kWriteError);
    }
}

void TZEBaseArchiver::copyFromTail(TDirItem& item, std::size_t snapshotIndex, TZEUpdateState& state) {
    const auto& old = dirManager_->SnapshotList.at(snapshotIndex);
    const auto ahead = static_cast<std::uint64_t>(dirManager_->BytesAhead);
    const auto span = state.tailSpans.at(snapshotIndex - state.keepIndex);
    const auto position = archiveFile_->position();
    if (!state.tail || !copyBytes(state.tail->handle(), old.localHeaderOffset() + ahead - state.writePosition,
                                  archiveFile_->handle(), position, span)) {
        raiseError(zeerr::kWriteError);
    }
    item.CentralHeader.LocalHeaderOffset = static_cast<std::uint32_t>(position - ahead);
    archiveFile_->seek(position + span);
}

void TZEBaseArchiver::rollBack(TZEUpdateState& state) noexcept {
    auto& manager = *dirManager_;
    manager.CurrentList = manager.SnapshotList;
    if (!state.fileCut) {
        return; // the file was not touched yet
    }
    try {
        // Cutting at W drops whatever this update wrote; the tail, if saved, puts the old bytes back exactly.
        archiveFile_->truncate(state.writePosition);
        if (state.tail) {
            const auto length = state.tail->handle().size().value_or(0);
            copyBytes(state.tail->handle(), 0, archiveFile_->handle(), state.writePosition, length);
            archiveFile_->seek(state.writePosition + length);
            state.tail.reset();
        } else {
            SaveDir(state.writePosition, state.keepIndex);
        }
    } catch (...) {
        // The caller reports the first failure; a disk that refuses even the old directory leaves it so.
    }
}

} // namespace korvane
