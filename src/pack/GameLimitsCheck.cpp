#include "pack/GameLimitsCheck.h"

#include "archive/ZipEngine.h"
#include "pack/ArchiveOrder.h"
#include "platform/AppState.h"
#include "platform/AsciiText.h"
#include "platform/BesideFiles.h"
#include "platform/FileFacts.h"
#include "platform/GamePath.h"
#include "platform/UserError.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <unordered_map>

namespace korvane {

namespace {

// The game's reader keeps the entry count in a signed 16-bit field, reads names into a 512-byte buffer
// and refuses the whole archive past either; file offsets are signed 32-bit.
constexpr std::size_t kMaxEntries = 32767;
constexpr std::size_t kMaxNameBytes = 512;
constexpr std::uint64_t kMaxArchiveBytes = std::uint64_t{1} << 31;
constexpr std::size_t kMessageLines = 20;
// The fixed part of a local header, before the name.
constexpr std::uint64_t kLocalHeaderBytes = 30;

std::string gameName(std::string stored) {
    std::replace(stored.begin(), stored.end(), '/', '\\');
    return stored;
}

bool isSound(const std::string& name) {
    const std::string_view extension = extensionOf(name);
    return equalsAsciiNoCase(extension, ".ogg") || equalsAsciiNoCase(extension, ".mp3");
}

// Where the game finds the archive: the game folder or a mod's folder when it lies there, else the game
// folder under its file name (the game reads archives in no other place).
std::string installedName(const std::string& path, const std::string& installRoot) {
    const std::filesystem::path file(path);
    std::error_code error;
    const auto real = std::filesystem::weakly_canonical(file, error);
    const auto root = std::filesystem::weakly_canonical(std::filesystem::path(installRoot), error);
    if (!error && !root.empty()) {
        const std::string relative = gameName(real.lexically_relative(root).generic_string());
        const auto levels = std::count(relative.begin(), relative.end(), '\\');
        if (!relative.starts_with("..") && (levels == 0 || (levels == 2 && inModFolder(relative)))) {
            return relative;
        }
    }
    return file.filename().string();
}

// Every archive directly in the mod's folder, which the game loads with the mod.
std::vector<std::string> modArchives(const std::string& installRoot, const std::string& modName) {
    std::vector<std::string> archives;
    const std::string folder = "Mods\\" + modName + "\\";
    const auto path = modName.empty() ? std::nullopt : resolveExisting(installRoot + folder);
    for (const FolderItem& item : path ? listFolder(*path, "*.gro") : std::vector<FolderItem>{}) {
        if ((item.attributes & faDirectory) == 0) {
            archives.push_back(folder + item.name);
        }
    }
    return archives;
}

// The standard archives (the mod's among them) that hold each standard name, in the order the game reads
// them.
class StandardHolders {
public:
    StandardHolders(const AppState& installation, const std::string& modName, const std::string& checked) {
        std::vector<std::string> archives = modArchives(installation.InstallRoot, modName);
        for (const std::string& name : installation.StandardGroList.names()) {
            archives.push_back(gameName(name));
        }
        std::erase_if(archives, [&checked](const std::string& name) { return equalsAsciiNoCase(name, checked); });
        std::sort(archives.begin(), archives.end(), [](const auto& a, const auto& b) { return readBefore(a, b); });
        for (const std::string& archive : archives) {
            const auto path = resolveExisting(installation.InstallRoot + archive);
            try {
                for (const CheckedMember& member :
                     path ? readCheckedArchive(path->string()).members : std::vector<CheckedMember>{}) {
                    holders_[asciiLowered(member.name)].push_back(archive);
                }
            } catch (const UserError&) {
                // An unreadable standard archive holds nothing the game could use either.
            }
        }
    }

    bool holds(const std::string& name) const { return holders_.contains(asciiLowered(name)); }

    // The archive the game reads first among those that hold the name; empty when none does.
    std::string first(const std::string& name) const {
        const auto found = holders_.find(asciiLowered(name));
        return found == holders_.end() ? std::string() : found->second.front();
    }

private:
    std::unordered_map<std::string, std::vector<std::string>> holders_;
};

std::string standardFileWarning(const std::string& name, const std::string& mine, const std::string& theirs,
                                const std::string& modName) {
    if (theirs.empty()) {
        return "Warning: " + name +
               " is also a standard file; its standard archive could not be read to tell "
               "which copy the game uses.";
    }
    if (readBefore(mine, theirs)) {
        return "Warning: " + name + " is also a standard file (in " + theirs + "); the game reads " + mine +
               " first and uses this copy for every map" +
               (modName.empty() ? std::string() : " played with the mod " + modName) + ", not just yours.";
    }
    std::string warning = "Warning: " + name + " is also a standard file; the game reads " + theirs +
                          " first and uses its copy, so the one in " + mine + " is never used.";
    const std::string folder = mine.substr(0, mine.rfind('\\') + 1);
    const std::string renamed = inModFolder(theirs) && !inModFolder(mine)
                                    ? std::string()
                                    : nameReadBefore(mine.substr(folder.size()), theirs.substr(folder.size()));
    if (!renamed.empty() && folder == theirs.substr(0, folder.size())) {
        warning += " To have it used, rename the GRO to " + renamed +
                   " (the game reads archives in reverse alphabetical order).";
    }
    return warning;
}

void checkName(const CheckedMember& member, std::vector<std::string>& warnings) {
    if (member.storedBytes > kMaxNameBytes) {
        warnings.push_back("Warning: The name " + member.name + " is " + std::to_string(member.storedBytes) +
                           " bytes long; the game refuses the whole GRO when a name is longer than " +
                           std::to_string(kMaxNameBytes) + " bytes.");
    }
    if (!member.ansiBytes) {
        warnings.push_back("Warning: The name " + member.name +
                           " is not stored in the ANSI code page that maps use; the game cannot find it.");
    }
}

void checkSound(const CheckedMember& member, std::vector<std::string>& warnings) {
    if (member.method != 0 && isSound(member.name)) {
        warnings.push_back("Warning: " + member.name +
                           " is compressed; the game plays only stored .ogg and .mp3 files.");
    }
}

// A standard archive's own members are standard by definition: nothing to say about them. (Every archive of
// a mod's folder is read with the mod, the map maker's own among them, so only the installation's count.)
bool isStandardArchive(const std::string& mine, const AppState& installation) {
    const auto& names = installation.StandardGroList.names();
    return std::any_of(names.begin(), names.end(),
                       [&mine](const std::string& name) { return equalsAsciiNoCase(gameName(name), mine); });
}

void checkDirectory(const CheckedArchive& archive, std::vector<std::string>& warnings) {
    const std::string counted = std::to_string(archive.countedEntries);
    const std::string held = std::to_string(archive.directoryHeaders);
    if (archive.countedEntries == 0 && archive.directoryHeaders > 0) {
        warnings.push_back("Warning: The GRO's end record counts no entries although its directory holds " + held +
                           "; the game takes the GRO for empty.");
    } else if (archive.countedEntries != archive.directoryHeaders) {
        warnings.push_back("Warning: The GRO's end record counts " + counted + " entries but its directory holds " +
                           held + "; the game goes by the count and misreads the directory.");
    }
}

void checkOverlaps(const CheckedArchive& archive, std::vector<std::string>& warnings) {
    std::vector<const CheckedMember*> byOffset;
    for (const CheckedMember& member : archive.members) {
        byOffset.push_back(&member);
    }
    std::sort(byOffset.begin(), byOffset.end(), [](const auto* a, const auto* b) { return a->offset < b->offset; });
    std::size_t overlapping = 0;
    std::string first;
    for (std::size_t i = 1; i < byOffset.size(); ++i) {
        if (byOffset[i]->offset < byOffset[i - 1]->offset + byOffset[i - 1]->span) {
            if (overlapping++ == 0) {
                first = byOffset[i - 1]->name + " and " + byOffset[i]->name;
            }
        }
    }
    if (overlapping > 0) {
        warnings.push_back(
            "Warning: " + std::to_string(overlapping) + (overlapping == 1 ? " entry overlaps" : " entries overlap") +
            " the data of another (the first: " + first + "); the game reads the same bytes for different files.");
    }
}

void checkStandardFiles(const CheckedArchive& archive, const AppState& installation, const std::string& modName,
                        std::vector<std::string>& warnings) {
    const std::string mine = installedName(archive.path, installation.InstallRoot);
    if (isStandardArchive(mine, installation)) {
        return;
    }
    // The mod's archives are read for every check with a mod; the game's only once a standard name turns up.
    std::optional<StandardHolders> holders;
    if (!modName.empty()) {
        holders.emplace(installation, modName, mine);
    }
    for (const CheckedMember& member : archive.members) {
        const bool standard =
            installation.StandardFiles.contains(member.name) || (holders && holders->holds(member.name));
        if (member.folder || !standard) {
            continue;
        }
        if (!holders) {
            holders.emplace(installation, modName, mine);
        }
        warnings.push_back(standardFileWarning(member.name, mine, holders->first(member.name), modName));
    }
}

} // namespace

CheckedArchive readCheckedArchive(const std::string& path) {
    TZipEngine reader;
    reader.FileName = path;
    reader.OpenArchive(0);
    CheckedArchive archive;
    archive.path = path;
    std::error_code error;
    archive.size = std::filesystem::file_size(path, error);
    // Every entry, folders included: the game's reader counts and reads them all.
    TZEArchiveItem item;
    for (bool found = reader.FindFirst("*.*", item, kSearchAttrAll, ""); found; found = reader.FindNext(item)) {
        const bool folder = !item.StoredName.empty() && item.StoredName.back() == '/';
        archive.members.push_back(
            {gameName(item.StoredName), item.StoredNameLength, item.CompressionMethod,
             folder || (item.ExternalFileAttributes & kAttrDirectory) != 0, reader.NameStoredAsAnsi(item),
             item.LocalHeaderOffset,
             kLocalHeaderBytes + item.StoredNameLength + static_cast<std::uint64_t>(item.CompressedSize)});
    }
    const TZEDirectoryCounts counts = reader.DirectoryCounts();
    archive.countedEntries = counts.counted;
    archive.directoryHeaders = counts.headers;
    reader.CloseArchive();
    return archive;
}

std::vector<std::string> checkGameLimits(const CheckedArchive& archive, const AppState* installation,
                                         const std::string& modName) {
    std::vector<std::string> warnings;
    if (archive.members.size() > kMaxEntries) {
        warnings.push_back("Warning: The GRO has " + std::to_string(archive.members.size()) +
                           " entries; the game ignores an archive with more than " + std::to_string(kMaxEntries) + ".");
    }
    if (archive.size >= kMaxArchiveBytes) {
        warnings.push_back("Warning: The GRO is " + std::to_string(archive.size) +
                           " bytes long; the game reads only archives smaller than 2 GiB.");
    }
    checkDirectory(archive, warnings);
    checkOverlaps(archive, warnings);
    // The game compares names folding ASCII letters alone, and takes the first entry that matches.
    std::unordered_map<std::string, const CheckedMember*> byFolded;
    for (const CheckedMember& member : archive.members) {
        checkName(member, warnings);
        if (member.folder) {
            continue;
        }
        checkSound(member, warnings);
        if (const auto reason = besideReason(member.name)) {
            warnings.push_back("Warning: " + member.name + " is in the GRO, where the game never uses it (" +
                               besideReasonText(*reason) + "); ship it beside the GRO instead.");
        }
        const auto [first, added] = byFolded.emplace(asciiLowered(member.name), &member);
        if (!added) {
            warnings.push_back("Warning: " + first->second->name + " and " + member.name +
                               " differ only in letter case; the game finds only one of them.");
        }
    }
    if (installation != nullptr && !installation->InstallRoot.empty()) {
        checkStandardFiles(archive, *installation, modName, warnings);
    }
    return warnings;
}

std::vector<std::string> checkWrittenArchive(const std::string& path, const AppState* installation,
                                             const std::string& modName) {
    try {
        return checkGameLimits(readCheckedArchive(path), installation, modName);
    } catch (...) {
        return {"Warning: The GRO could not be read back to check it: " + userMessageOf(std::current_exception())};
    }
}

std::string gameLimitsMessage(const std::vector<std::string>& warnings) {
    std::string message = "The GRO may not work in the game as intended:";
    const std::size_t shown = std::min(warnings.size(), kMessageLines);
    for (std::size_t i = 0; i < shown; ++i) {
        message += "\n" + warnings[i];
    }
    if (shown < warnings.size()) {
        message += "\n...and " + std::to_string(warnings.size() - shown) + " more; see the log for all of them.";
    }
    return message;
}

} // namespace korvane
