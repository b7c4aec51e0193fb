#include "scan/DeepScan.h"

#include "platform/GamePath.h"
#include "scan/EngineLibraries.h"
#include "scan/EntityLibrary.h"
#include "scan/ReferenceRecords.h"
#include "scan/ScanFiles.h"
#include "scan/TextReferences.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace korvane {

namespace {

enum class FileKind { None, Binary, Text, ModelConfiguration, Library };

bool hasExtension(std::string_view name, std::initializer_list<std::string_view> extensions) {
    const std::string_view extension = extensionOf(name);
    for (const std::string_view candidate : extensions) {
        if (equalsAsciiNoCase(extension, candidate)) {
            return true;
        }
    }
    return false;
}

FileKind kindOf(std::string_view name) {
    if (hasExtension(name, {".wld", ".mdl", ".tex", ".fnt", ".bm", ".bs", ".ba"})) {
        return FileKind::Binary;
    }
    if (hasExtension(name, {".smc"})) {
        return FileKind::ModelConfiguration;
    }
    if (hasExtension(name, {".dll"})) {
        return FileKind::Library;
    }
    return hasExtension(name, {".txt", ".ecl", ".sha"}) ? FileKind::Text : FileKind::None;
}

// Source assets of the game's tools, which the game itself never loads.
bool isSourceAsset(std::string_view name) {
    return hasExtension(name, {".am", ".as", ".aa"});
}

// The game plays a sound's .ogg when its .mp3 is absent, and the reverse.
std::optional<std::string> soundTwin(const std::string& name) {
    const std::string_view extension = extensionOf(name);
    const bool upper = extension.size() > 1 && extension[1] >= 'A' && extension[1] <= 'Z';
    const std::string base = name.substr(0, name.size() - extension.size());
    if (equalsAsciiNoCase(extension, ".mp3")) {
        return base + (upper ? ".OGG" : ".ogg");
    }
    if (equalsAsciiNoCase(extension, ".ogg")) {
        return base + (upper ? ".MP3" : ".mp3");
    }
    return std::nullopt;
}

void appendRecordNames(ScanFile& file, std::vector<std::string>& names) {
    BlockReader blocks(file);
    for (std::uint64_t offset = 0; offset < file.size(); offset += BlockReader::kBlockSize) {
        forEachBlockRecord(blocks.bytesFrom(offset), BlockReader::kBlockSize,
                           [&names](std::string_view raw) { names.push_back(foundNameOf(raw)); });
    }
}

void appendLibraryNames(ScanFile& file, std::vector<std::string>& names) {
    BlockReader blocks(file);
    for (std::uint64_t offset = 0; offset < file.size(); offset += BlockReader::kBlockSize) {
        forEachLibraryName(blocks.bytesFrom(offset), BlockReader::kBlockSize,
                           [&names](std::string_view raw) { names.push_back(foundNameOf(raw)); });
    }
}

// One file being followed: the names it gave and how many of them have been taken.
struct Frame {
    std::string from;
    std::vector<std::string> names;
    std::size_t next = 0;
};

} // namespace

DeepScanner::DeepScanner(const GameFolders& folders, const NameList& fileList, ReferenceScanner& scanner)
    : folders_(folders), fileList_(fileList), scanner_(scanner), modExt_(readModExt(folders)) {}

std::string DeepScanner::libraryNote(const std::string& name) const {
    const auto plain = plainLibraryNames_.find(name);
    if (plain == plainLibraryNames_.end() || !gameFileExists(folders_, plain->second)) {
        return {};
    }
    return "the game asks for this name, " + plain->second + " with the suffix \"" + modExt_ + "\" of ModExt.txt; " +
           plain->second + ", which is here, is not loaded";
}

std::string DeepScanner::chosenName(const std::string& name) const {
    const auto twin = soundTwin(name);
    if (!twin || fileList_.contains(name) || scanner_.isStandard(name) || gameFileExists(folders_, name)) {
        return name;
    }
    return scanner_.isStandard(*twin) || gameFileExists(folders_, *twin) ? *twin : name;
}

bool DeepScanner::admit(std::string& name, const std::string& from) {
    if (isSourceAsset(name)) {
        return false;
    }
    std::string chosen = chosenName(name);
    const ListedBy rule = chosen == name ? ListedBy::Name : ListedBy::SoundTwin;
    name = std::move(chosen);
    return scanner_.AdmitFoundName(name, from, rule, libraryNote(name));
}

std::vector<std::string> DeepScanner::referencesOf(const std::string& name) const {
    try {
        return namesIn(name);
    } catch (const UnreadableFile& error) {
        scanner_.noteUnreadable(error);
        return {};
    }
}

std::vector<std::string> DeepScanner::namesIn(const std::string& name) const {
    const FileKind kind = kindOf(name);
    std::vector<std::string> names;
    if (kind == FileKind::None || !gameFileExists(folders_, name)) {
        return names;
    }
    ScanFile file(folders_, name);
    if (kind == FileKind::Binary) {
        appendRecordNames(file, names);
        return names;
    }
    if (kind == FileKind::Library) {
        appendLibraryNames(file, names);
        return names;
    }
    const std::string text = file.readAll();
    // The game loads a class file's or a shader's library from Bin; only a class's takes the edition's suffix.
    const bool classFile = hasExtension(name, {".ecl"});
    const bool libraryOwner = classFile || hasExtension(name, {".sha"});
    for (const std::string_view raw : textReferences(text, kind == FileKind::ModelConfiguration)) {
        std::string found = foundNameOf(raw);
        if (libraryOwner && hasExtension(found, {".dll"})) {
            std::string library = entityLibraryName(found, classFile ? modExt_ : std::string());
            if (classFile) {
                plainLibraryNames_.insert_or_assign(library, entityLibraryName(found, {}));
            }
            found = std::move(library);
        }
        names.push_back(std::move(found));
    }
    return names;
}

void DeepScanner::found(const std::string& foundName, const std::string& from) {
    std::string name = foundName;
    if (!admit(name, from)) {
        return;
    }
    // An explicit stack rather than recursion: a long chain of files neither deepens the call stack nor
    // keeps files open, since each file's names are read before any of them is followed.
    std::vector<Frame> stack;
    stack.push_back({name, referencesOf(name)});
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.names.size()) {
            stack.pop_back();
            continue;
        }
        std::string next = std::move(top.names[top.next++]);
        if (admit(next, top.from)) {
            std::vector<std::string> names = referencesOf(next);
            if (!names.empty()) {
                stack.push_back({std::move(next), std::move(names)});
            }
        }
    }
}

} // namespace korvane
