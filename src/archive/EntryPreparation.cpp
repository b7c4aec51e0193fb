// InternalAddFiles: the disk walk of an AddFiles call, and the entry each file it takes gets.
#include "archive/internal/DiskPaths.h"
#include "archive/internal/DiskWalk.h"
#include "archive/internal/EngineInternals.h"
#include "archive/internal/FileMasks.h"
#include "archive/internal/NameCodec.h"
#include "archive/internal/NameIndex.h"
#include "archive/internal/StoredNames.h"
#include "platform/FileFacts.h"
#include "platform/GamePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace korvane {

namespace {

// The folder the walk resolves against: BaseDir as it is on disk, or as given when it names no folder.
std::string absoluteBase(const std::string& baseDir) {
    if (baseDir.empty()) {
        return workingFolder();
    }
    const auto given = absoluteFromWorkingFolder(baseDir);
    const auto found = resolveExisting(given);
    std::error_code error;
    if (found && std::filesystem::is_directory(*found, error)) {
        return absoluteFromWorkingFolder(found->string());
    }
    return withoutTrailingSeparator(given);
}

std::pair<std::uint64_t, std::uint64_t> identityOf(const FileHandle& file) {
    const auto identity = file.identity();
    return identity ? std::pair{identity->device, identity->file} : std::pair<std::uint64_t, std::uint64_t>{0, 0};
}

std::size_t firstNamed(const TZEDirArray& list, std::string_view stored) {
    const auto match = std::find_if(list.begin(), list.end(), [&](const TDirItem& item) {
        std::string_view name = item.StoredName;
        if (!name.empty() && name.back() == '/') {
            name.remove_suffix(1);
        }
        return sameStoredName(name, stored);
    });
    return match == list.end() ? StoredNameIndex::npos : static_cast<std::size_t>(match - list.begin());
}

// A packing run calls AddFiles once a file, always with the same masks: they are prepared again only when
// they change.
const std::vector<ExternalMask>& preparedMasks(const std::vector<std::string>& masks, bool isFolder,
                                               const std::string& base, const std::string& baseDir) {
    thread_local std::vector<ExternalMask> prepared;
    const bool same = std::equal(masks.begin(), masks.end(), prepared.begin(), prepared.end(),
                                 [&](const std::string& mask, const ExternalMask& made) {
                                     return made.madeFrom(mask, isFolder, base, baseDir);
                                 });
    if (!same) {
        prepared.clear();
        for (const auto& mask : masks) {
            prepared.emplace_back(mask, isFolder, base, baseDir);
        }
    }
    return prepared;
}

// The name as the walk spelled it is tried first: only a folder spelled in another letter case needs resolving.
DosDateTime writtenAt(const std::string& fullName) {
    auto written = lastWriteDosDateTime(fullName);
    if (!written) {
        if (const auto native = resolveExisting(fullName)) {
            written = lastWriteDosDateTime(*native);
        }
    }
    return written ? *written : currentDosDateTime();
}

std::uint32_t dosStamp(DosDateTime when) {
    return (std::uint32_t{when.date} << 16) | when.time;
}

} // namespace

void TZEBaseArchiver::InternalAddFiles(const std::vector<std::string>& masks, std::uint16_t searchAttr, bool recurse,
                                       const std::vector<std::string>& exclusions) {
    const std::lock_guard lock(EngineLock);
    DiskWalkSettings settings;
    settings.base = absoluteBase(BaseDir);
    settings.baseDir = BaseDir;
    settings.searchAttr = searchAttr;
    settings.exclusions = exclusions;
    settings.archiveIdentity = identityOf(archiveFile_->handle());
    const auto base = settings.base;
    DiskWalk walk(std::move(settings), [&](const std::string& fullName, bool isFolder, std::uint32_t attributes) {
        bool confirm = true;
        if (OnConfirmProcessFile) {
            OnConfirmProcessFile(*this, fullName, poAdd, confirm);
        }
        if (!confirm) {
            return;
        }
        const int index = AddFileInit(fullName, base, attributes);
        if (index < 0) {
            return;
        }
        for (const auto& mask : preparedMasks(NoCompressionMasks, isFolder, base, BaseDir)) {
            if (mask.matches(fullName)) {
                auto& item = dirManager_->CurrentList[static_cast<std::size_t>(index)];
                item.EntryMode = 0;
                item.CentralHeader.Method = 0;
                break;
            }
        }
    });
    for (const auto& mask : masks) {
        walk.walk(base, mask, recurse);
    }
}

bool TZEBaseArchiver::StoredNameFits(std::string_view storedName) {
    return encodeStoredName(storedName).bytes.size() <= kMaxStoredNameLength;
}

int TZEBaseArchiver::AddFileInit(const std::string& fullName, const std::string& base, std::uint32_t attributes) {
    const auto stored = storedNameOf(fullName, base, Options.StorePath);
    if (stored.empty()) {
        return -1;
    }
    if (!StoredNameFits(stored)) {
        return -1;
    }
    auto& list = dirManager_->CurrentList;
    const auto index = staged_ ? staged_->names.find(list, stored) : firstNamed(list, stored);
    if (index == StoredNameIndex::npos) {
        list.emplace_back();
        FillDirItem(list.back(), fullName, stored, attributes);
        list.back().PendingOperation = poAdd;
        return static_cast<int>(list.size() - 1);
    }
    const auto match = list.begin() + static_cast<std::ptrdiff_t>(index);
    bool replace = false;
    switch (Options.OverwriteMode) {
    case omPrompt:
        if (OnConfirmOverwrite) {
            std::string destination(namePartOf(withoutTrailingSeparator(match->StoredName)));
            OnConfirmOverwrite(*this, fullName, destination, replace);
        }
        break;
    case omAlways:
        replace = true;
        break;
    case omNever:
        break;
    case omIfNewer:
    case omIfOlder: {
        const auto native = resolveExisting(fullName);
        const auto written = native ? lastWriteDosDateTime(*native) : std::nullopt;
        const auto stamp = (std::uint32_t{match->CentralHeader.LastModDate} << 16) | match->CentralHeader.LastModTime;
        replace =
            written && (Options.OverwriteMode == omIfNewer ? dosStamp(*written) > stamp : dosStamp(*written) < stamp);
        break;
    }
    }
    if (!replace) {
        return -1;
    }
    // An entry this update added stays an addition: there is no old data to fall back on.
    const bool inArchive = index < (staged_ ? staged_->updateStart : dirManager_->SnapshotList.size());
    const bool addedNow = match->Modified && match->PendingOperation == poAdd;
    if (staged_ && inArchive && !match->Modified) {
        staged_->refilled.emplace_back(index, *match);
    }
    FillDirItem(*match, fullName, stored, attributes);
    match->PendingOperation = inArchive && !addedNow ? poUpdate : poAdd;
    return static_cast<int>(index);
}

void TZEBaseArchiver::FillDirItem(TDirItem& item, const std::string& fullName, std::string stored,
                                  std::uint32_t external) {
    const auto when = writtenAt(fullName);
    if ((external & kAttrDirectory) != 0) {
        stored += '/';
    }
    const auto name = encodeStoredName(stored);
    item.StoredName = std::move(stored);
    item.ExtraField.clear();
    item.EntryComment.clear();
    item.NeedsZip64 = false;
    item.Modified = true;
    item.DiskFileName = fullName;
    item.EntryMode = compressionMode_;
    item.CentralHeader = TZEZipCentralDir{};
    auto& header = item.CentralHeader;
    header.Signature = kCentralHeaderSignature;
    header.VersionMadeBy = 20;
    header.VersionNeeded = 20;
    header.Flags = name.utf8 ? kFlagUtf8Name : 0;
    header.Method = compMethod_;
    header.LastModTime = when.time;
    header.LastModDate = when.date;
    header.Crc32 = 0xFFFFFFFFu;
    header.FileNameLength = static_cast<std::uint16_t>(name.bytes.size());
    header.ExternalAttributes = external;
}

} // namespace korvane
