// Creating an archive, AddFiles and the update bracket around it.
#include "archive/internal/DiskPaths.h"
#include "archive/internal/EngineInternals.h"

namespace korvane {

void TZEBaseArchiver::createArchive() {
    archiveFile_ = std::make_unique<TZEArchiveFile>(TZEArchiveFile::create(FileName));
    dirManager_ = std::make_unique<TZEDirManager>();
    dirManager_->CentralDirEnd.Signature = endRecordSignature_;
    directoryImage_.clear();
    directoryImageEnds_.clear();
    openMode_ = kOpenModeCreate;
    updateCount_ = 0;
    active_ = true;
}

void TZEBaseArchiver::finishPendingWrites() {
    // The saved directory image belongs to this archive only, however the closing ends.
    struct ForgetImage {
        TZEBaseArchiver& self;
        ~ForgetImage() {
            self.directoryImage_.clear();
            self.directoryImageEnds_.clear();
        }
    } forget{*this};
    if (!archiveFile_ || !archiveFile_->writable() || !dirManager_ || staged_) {
        return;
    }
    ForceUpdate();
    if (archiveFile_->size() == 0) {
        SaveDir(0, 0);
        if (Options.FlushBuffers) {
            archiveFile_->flush();
        }
    }
}

void TZEBaseArchiver::AddFiles(std::string_view FileMask, std::uint16_t SearchAttr, std::string_view ExclusionMask) {
    if (!active_) {
        raiseError(zeerr::kArchiveNotOpen);
    }
    const std::vector<std::string> masks{std::string(FileMask)};
    std::vector<std::string> exclusions;
    if (!ExclusionMask.empty()) {
        exclusions.emplace_back(ExclusionMask);
    }
    exclusions.push_back(absoluteFromWorkingFolder(FileName));
    BeginUpdate();
    try {
        InternalAddFiles(masks, SearchAttr, Options.Recurse, exclusions);
    } catch (...) {
        // Nothing was written yet: leave this call's update; the outermost one forgets the prepared entries.
        if (--updateCount_ == 0) {
            restoreSnapshot();
        }
        throw;
    }
    EndUpdate();
}

void TZEBaseArchiver::BeginUpdate() {
    if (!dirManager_) {
        raiseError(zeerr::kArchiveNotOpen);
    }
    if (updateCount_ == 0) {
        if (!openModeAllowsUpdates(openMode_)) {
            raiseError(zeerr::kReadOnlyArchive);
        }
        if (staged_) {
            // Every entry is already unmodified: each update clears what it wrote.
            staged_->updateStart = dirManager_->CurrentList.size();
            staged_->refilled.clear();
        } else {
            for (auto& item : dirManager_->CurrentList) {
                item.Modified = false;
            }
            dirManager_->SnapshotList = dirManager_->CurrentList;
        }
    }
    ++updateCount_;
}

void TZEBaseArchiver::EndUpdate() {
    if (updateCount_ <= 0) {
        raiseError(22);
    }
    if (updateCount_ == 1) {
        ForceUpdate();
    } else {
        --updateCount_;
    }
}

} // namespace korvane
