#include "pack/GameLimitsCheck.h"

#include "archive/ZipEngine.h"
#include "platform/GamePath.h"
#include "platform/NameList.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <unordered_map>

namespace korvane {

namespace {

constexpr std::size_t kMaxEntries = 32767;
constexpr std::size_t kMaxNameBytes = 254;
constexpr std::uint64_t kMaxArchiveBytes = std::uint64_t{1} << 31;
constexpr std::size_t kMessageLines = 20;

std::string gameName(std::string stored) {
    std::replace(stored.begin(), stored.end(), '/', '\\');
    return stored;
}

bool isAscii(const std::string& name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The game folds ASCII letters only.
std::string asciiLower(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return name;
}

bool isSound(const std::string& name) {
    const std::string_view extension = extensionOf(name);
    return equalsAsciiNoCase(extension, ".ogg") || equalsAsciiNoCase(extension, ".mp3");
}

void checkName(const CheckedMember& member, std::vector<std::string>& warnings) {
    if (member.storedBytes > kMaxNameBytes) {
        warnings.push_back("Warning: The name " + member.name + " is " + std::to_string(member.storedBytes) +
                           " bytes long; the game reads names of up to " + std::to_string(kMaxNameBytes) + " bytes.");
    }
    if (!isAscii(member.name)) {
        warnings.push_back("Warning: The name " + member.name +
                           " has non-ASCII characters; the game cannot find it on every system.");
    }
}

void checkFile(const CheckedMember& member, const NameList* standardFiles, const std::string& modName,
               std::vector<std::string>& warnings) {
    if (standardFiles != nullptr && standardFiles->contains(member.name)) {
        // An archive in a mod's folder is read before every other one, but only while that mod runs.
        const std::string reach = modName.empty() ? "for every map" : "for every map played with the mod " + modName;
        warnings.push_back("Warning: " + member.name + " is also a standard file; the GRO replaces it " + reach +
                           ", not just yours.");
    }
    if (member.method != 0 && isSound(member.name)) {
        warnings.push_back("Warning: " + member.name +
                           " is compressed; the game plays only stored .ogg and .mp3 files.");
    }
}

} // namespace

CheckedArchive readCheckedArchive(const std::string& path) {
    TZipEngine reader;
    reader.FileName = path;
    reader.OpenArchive(0);
    CheckedArchive archive;
    std::error_code error;
    archive.size = std::filesystem::file_size(path, error);
    for (const TDirItem& item : reader.DirManager()->CurrentList) {
        const bool folder = !item.StoredName.empty() && item.StoredName.back() == '/';
        archive.members.push_back({gameName(item.StoredName), item.CentralHeader.FileNameLength,
                                   item.CentralHeader.Method,
                                   folder || (item.CentralHeader.ExternalAttributes & 16) != 0});
    }
    reader.CloseArchive();
    return archive;
}

std::vector<std::string> checkGameLimits(const CheckedArchive& archive, const NameList* standardFiles,
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
    std::unordered_map<std::string, const CheckedMember*> byFolded;
    for (const CheckedMember& member : archive.members) {
        checkName(member, warnings);
        if (member.folder) {
            continue;
        }
        checkFile(member, standardFiles, modName, warnings);
        const auto [first, added] = byFolded.emplace(asciiLower(member.name), &member);
        if (!added) {
            warnings.push_back("Warning: " + first->second->name + " and " + member.name +
                               " differ only in letter case; the game finds only one of them.");
        }
    }
    return warnings;
}

std::vector<std::string> checkWrittenArchive(const std::string& path, const NameList* standardFiles,
                                             const std::string& modName) {
    try {
        return checkGameLimits(readCheckedArchive(path), standardFiles, modName);
    } catch (const std::exception& error) {
        return {"Warning: The GRO could not be read back to check it: " + std::string(error.what())};
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
