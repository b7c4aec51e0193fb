// Opening an existing archive: the end record, the optional Zip64 records, and the central directory.
#include "archive/internal/EngineInternals.h"
#include "platform/GamePath.h"

#include <filesystem>

namespace korvane {
namespace {

std::string_view namePart(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

void TZEBaseArchiver::OpenArchive(std::uint16_t Mode) {
    if (namePart(FileName).empty()) {
        raiseError(zeerr::kBlankFileName);
    }
    if (Mode < kOpenModeCreate) {
        const auto found = resolveExisting(FileName);
        std::error_code error;
        if (!found || !std::filesystem::is_regular_file(*found, error)) {
            raiseError(zeerr::kArchiveNotFound, FileName);
        }
        CloseArchive();
        openExisting(Mode, found->string());
    } else {
        CloseArchive();
        createArchive();
    }
    if (AfterOpen) {
        AfterOpen(*this);
    }
}

void TZEBaseArchiver::openExisting(std::uint16_t mode, const std::string& path) {
    // A self-extracting archive needs no path of its own: its end record is found like any other.
    TZEArchiveFile file = TZEArchiveFile::open(path, mode);
    const TZETailWindow tail = readTailWindow(file);
    if (!OpenCorruptedArchives && !GetCentralDirEnd(tail, kAltEndOfCentralDirSignature) &&
        !GetCentralDirEnd(tail, kEndOfCentralDirSignature)) {
        file.close();
        raiseError(zeerr::kArchiveDamaged);
    }
    archiveFile_ = std::make_unique<TZEArchiveFile>(std::move(file));
    dirManager_ = std::make_unique<TZEDirManager>();
    openMode_ = mode;
    try {
        LoadDir(tail);
    } catch (...) {
        dropArchive();
        throw;
    }
    active_ = true;
}

void TZEBaseArchiver::LoadDir(const TZETailWindow& tail) {
    *dirManager_ = TZEDirManager{};
    if (const auto end = GetCentralDirEnd(tail, kEndOfCentralDirSignature)) {
        loadCentralDirectory(*end);
        return;
    }
    if (const auto alternative = GetCentralDirEnd(tail, kAltEndOfCentralDirSignature)) {
        dirManager_->CentralDirEnd = alternative->Record;
        dirManager_->ArchiveComment = alternative->Comment;
    }
    rebuildFromLocalHeaders();
}

} // namespace korvane
