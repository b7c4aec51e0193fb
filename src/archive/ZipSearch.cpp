// Searches over the loaded directory: they walk the list in memory and never touch the file.
#include "archive/internal/EngineInternals.h"
#include "archive/internal/NameCodec.h"
#include "archive/internal/PatternMatch.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <limits>

namespace korvane {
namespace {

// A drive letter with its colon, or a UNC server-and-share prefix.
std::string_view withoutDriveOrShare(std::string_view mask) {
    if (mask.size() >= 2 && mask[1] == ':') {
        return mask.substr(2);
    }
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    if (mask.size() >= 2 && isSeparator(mask[0]) && isSeparator(mask[1])) {
        std::size_t at = 2;
        for (int part = 0; part < 2 && at < mask.size(); ++part) {
            while (at < mask.size() && !isSeparator(mask[at])) {
                ++at;
            }
            if (part == 0 && at < mask.size()) {
                ++at;
            }
        }
        return mask.substr(at);
    }
    return mask;
}

std::string withSlashes(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string_view folderPart(std::string_view name) {
    const auto at = name.find_last_of("\\:");
    return at == std::string_view::npos ? std::string_view{} : name.substr(0, at + 1);
}

// The entry's attribute bits. Unix tools may leave the directory bit clear and keep a folder's type in the
// high word only; such a folder is still a folder.
std::uint32_t entryAttributes(const TZEZipCentralDir& header) {
    constexpr std::uint32_t kUnixTypeMask = 0170000;
    constexpr std::uint32_t kUnixDirectory = 0040000;
    const std::uint32_t attributes = header.ExternalAttributes;
    const bool unixFolder = madeOnUnix(header.VersionMadeBy) && ((attributes >> 16) & kUnixTypeMask) == kUnixDirectory;
    return unixFolder ? attributes | kAttrDirectory : attributes;
}

// Hidden, system, volume label and directory exclude an entry unless the search asks for them.
bool CheckAttributesMatch(std::uint32_t attributes, std::uint32_t searchAttr) {
    constexpr std::uint32_t kExcluding = kAttrHidden | kAttrSysFile | kAttrVolumeId | kAttrDirectory;
    return (attributes & kExcluding & ~searchAttr) == 0;
}

std::int64_t asSigned(std::uint64_t value) {
    return static_cast<std::int64_t>(std::min<std::uint64_t>(value, std::numeric_limits<std::int64_t>::max()));
}

} // namespace

std::int32_t TZEBaseArchiver::GetFileCount() {
    if (!active_) {
        raiseError(zeerr::kArchiveNotOpen);
    }
    // The entries a search over every file finds, counted without filling an item for each.
    TZEArchiveItem item;
    if (!FindFirst("*.*", item, kSearchAttrFiles, "")) {
        return 0;
    }
    const TZEDirArray& list = dirManager_->CurrentList;
    const std::size_t last = std::min<std::size_t>(list.size(), std::numeric_limits<std::int32_t>::max());
    std::int32_t count = 1;
    for (auto i = static_cast<std::size_t>(item.SearchRec.Index) + 1; i < last; ++i) {
        count += matchesSearch(list[i], item.SearchRec) ? 1 : 0;
    }
    return count;
}

bool TZEBaseArchiver::FindFirst(std::string_view FileMask, TZEArchiveItem& Item, std::uint16_t SearchAttr,
                                std::string_view ExclusionMask) {
    std::string mask = withSlashes(withoutDriveOrShare(FileMask));
    // The mask's field holds 259 characters; a longer mask is refused rather than cut.
    if (utf8Length(mask) > kMaxSearchMaskLength) {
        return false;
    }
    TInternalSearchRec& search = Item.SearchRec;
    search.HasWildcards = hasWildcards(mask);
    search.FileMask = std::move(mask);
    search.ExclusionMask = withSlashes(ExclusionMask);
    search.SearchAttr = SearchAttr;
    search.UsePropertyMasks = false;
    search.Index = 0;
    return InternalFind(Item);
}

bool TZEBaseArchiver::FindNext(TZEArchiveItem& Item) {
    if (Item.SearchRec.Index < 0 || Item.SearchRec.Index == std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    ++Item.SearchRec.Index;
    return InternalFind(Item);
}

bool TZEBaseArchiver::InternalFind(TZEArchiveItem& item) const {
    if (!dirManager_) {
        return false;
    }
    const TZEDirArray& list = dirManager_->CurrentList;
    TInternalSearchRec& search = item.SearchRec;
    const std::size_t last = std::min<std::size_t>(list.size(), std::numeric_limits<std::int32_t>::max());
    for (auto i = static_cast<std::size_t>(search.Index); i < last; ++i) {
        if (matchesSearch(list[i], search)) {
            search.Index = static_cast<std::int32_t>(i);
            fillItem(item, list[i]);
            return true;
        }
    }
    return false;
}

bool TZEBaseArchiver::matchesSearch(const TDirItem& entry, const TInternalSearchRec& search) const {
    if (!Options.Recurse && folderPart(entry.StoredName) != folderPart(search.FileMask)) {
        return false;
    }
    if (!IsItemMatches(entry.StoredName, search.FileMask, search.HasWildcards)) {
        return false;
    }
    if (!search.ExclusionMask.empty() &&
        IsItemMatches(entry.StoredName, search.ExclusionMask, hasWildcards(search.ExclusionMask))) {
        return false;
    }
    return CheckAttributesMatch(entryAttributes(entry.CentralHeader), search.SearchAttr);
}

bool TZEBaseArchiver::IsItemMatches(std::string_view storedName, std::string_view mask, bool wildcards) {
    if (!storedName.empty() && (storedName.back() == '/' || storedName.back() == '\\')) {
        storedName.remove_suffix(1);
    }
    return wildcards ? IsStrMatchPattern(storedName, mask) : equalsIgnoringCase(storedName, mask);
}

void TZEBaseArchiver::fillItem(TZEArchiveItem& item, const TDirItem& entry) const {
    // Listings fill one item per member: the strings are assigned in place so that their buffers are reused.
    std::string_view display = entry.StoredName;
    if (!display.empty() && (display.back() == '/' || display.back() == '\\')) {
        display.remove_suffix(1);
    }
    auto cut = display.size();
    while (cut > 0 && display[cut - 1] != '/' && display[cut - 1] != '\\' && display[cut - 1] != ':') {
        --cut;
    }
    item.StoredPath.assign(display.substr(0, cut));
    std::replace(item.StoredPath.begin(), item.StoredPath.end(), '/', '\\');
    item.FileName.assign(display.substr(cut));
    const TZEZipCentralDir& h = entry.CentralHeader;
    item.CompressedSize = asSigned(entry.compressedSize());
    item.UncompressedSize = asSigned(entry.uncompressedSize());
    item.CompressionRate =
        item.UncompressedSize > 0
            ? (1.0 - static_cast<double>(item.CompressedSize) / static_cast<double>(item.UncompressedSize)) * 100.0
            : 100.0;
    item.CompressionRate = std::max(item.CompressionRate, 0.0);
    item.Encrypted = (h.Flags & kFlagEncrypted) != 0;
    item.LastModFileDate = h.LastModDate;
    item.LastModFileTime = h.LastModTime;
    item.CRC = h.Crc32;
    item.ExternalFileAttributes = h.ExternalAttributes;
    if (entry.EntryComment.empty()) {
        item.Comment.clear();
    } else {
        item.Comment = textFromArchive(entry.EntryComment, h.Flags, h.VersionMadeBy);
    }
    item.StoredName = entry.StoredName;
    item.StoredNameLength = h.FileNameLength;
    item.CompressionMethod = h.Method;
    item.LocalHeaderOffset = entry.localHeaderOffset() + static_cast<std::uint64_t>(dirManager_->BytesAhead);
}

TZEDirectoryCounts TZEBaseArchiver::DirectoryCounts() const {
    return dirManager_ ? TZEDirectoryCounts{dirManager_->CountedEntries, dirManager_->DirectoryHeaders}
                       : TZEDirectoryCounts{};
}

bool TZEBaseArchiver::NameStoredAsAnsi(const TZEArchiveItem& Item) const {
    const auto index = static_cast<std::size_t>(Item.SearchRec.Index);
    if (!dirManager_ || Item.SearchRec.Index < 0 || index >= dirManager_->CurrentList.size()) {
        return false;
    }
    const TDirItem& entry = dirManager_->CurrentList[index];
    return nameStoredAsAnsi(entry.StoredName, entry.CentralHeader, entry.ExtraField);
}

} // namespace korvane
