#include "archive/internal/AheadCompressor.h"
#include "archive/internal/EngineInternals.h"

namespace korvane {

void TZEBaseArchiver::CloseArchive() noexcept {
    if (!archiveFile_ && !dirManager_) {
        return;
    }
    if (archiveFile_ && archiveFile_->writable()) {
        // Closing must never fail: whatever the last writes raise is dropped with the archive.
        try {
            finishPendingWrites();
        } catch (...) {
        }
    }
    dropArchive();
}

void TZEBaseArchiver::dropArchive() noexcept {
    ahead_.reset();
    archiveFile_.reset();
    dirManager_.reset();
    staged_.reset();
    active_ = false;
    updateCount_ = 0;
    cancelled_ = false;
}

} // namespace korvane
