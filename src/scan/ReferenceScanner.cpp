#include "scan/ReferenceScanner.h"

#include "platform/CodePages.h"
#include "platform/GameNames.h"
#include "platform/GamePath.h"
#include "scan/ReferenceRecords.h"

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

// The first report comes before the 52nd block, then one every 52 blocks.
constexpr int kBlocksBetweenReports = 50;

} // namespace

ReferenceScanner::ReferenceScanner(const GameFolders& folders, NameList& fileList, const NameList& standardFiles,
                                   MissingList& missingFiles)
    : folders_(folders), fileList_(fileList), standardFiles_(standardFiles), missingFiles_(missingFiles),
      revolution_(isRevolutionInstallation(folders.installRoot())) {}

std::string foundNameOf(std::string_view raw) {
    std::string name = ansiToUtf8(raw);
    // A name of separators alone stays as written, to be reported as no name inside the game folder.
    std::string lookup = lookupNameOf(name);
    return lookup.empty() ? name : lookup;
}

bool ReferenceScanner::isStandard(std::string_view name) const {
    if (standardFiles_.contains(name)) {
        return true;
    }
    if (!revolution_) {
        return false;
    }
    const std::vector<std::string> spellings = revolutionSpellings(name);
    return std::any_of(spellings.begin(), spellings.end(),
                       [this](const std::string& spelling) { return standardFiles_.contains(spelling); });
}

bool ReferenceScanner::exists(std::string_view name) const {
    return gameFileExists(folders_, name);
}

bool ReferenceScanner::AdmitFoundName(const std::string& name, const std::string& from, ListedBy rule,
                                      std::string_view missingNote) {
    if (reasons_ != nullptr) {
        reasons_->noteFound(name, from);
    }
    if (fileList_.contains(name) || isStandard(name)) {
        return false;
    }
    if (!exists(name)) {
        missingFiles_.add(name, missingNote.empty() ? missingReason(folders_, name) : std::string(missingNote));
    }
    fileList_.append(name, true);
    if (reasons_ != nullptr) {
        reasons_->record(name, rule, from);
    }
    return true;
}

bool ReferenceScanner::presentForScan(const std::string& name) {
    if (exists(name)) {
        return true;
    }
    missingFiles_.add(name, missingReason(folders_, name));
    return false;
}

void ReferenceScanner::followWorldName(const std::string& name) {
    const std::string_view extension = extensionOf(name);
    if (equalsAsciiNoCase(extension, ".txt")) {
        LookForTFNM(name);
    } else if (equalsAsciiNoCase(extension, ".smc")) {
        LookForTFNM2(name);
    } else if (equalsAsciiNoCase(extension, ".tex")) {
        LookForTFNM3(name);
    }
}

void ReferenceScanner::noteUnreadable(const UnreadableFile& error) {
    missingFiles_.add(error.name(), error.reason());
}

void ReferenceScanner::LookForWorldDFNM(const std::string& mapName, const ProgressReport& report) {
    try {
        scanWorld(mapName, report);
    } catch (const UnreadableFile& error) {
        noteUnreadable(error);
    }
}

void ReferenceScanner::scanWorld(const std::string& mapName, const ProgressReport& report) {
    ScanFile map(folders_, mapName);
    BlockReader blocks(map);
    const std::uint64_t size = map.size();
    int sinceReport = 0;
    for (std::uint64_t offset = 0; offset < size; offset += BlockReader::kBlockSize) {
        if (sinceReport > kBlocksBetweenReports) {
            report(offset, size);
            sinceReport = 0;
        } else {
            ++sinceReport;
        }
        forEachBlockRecord(blocks.bytesFrom(offset), BlockReader::kBlockSize, [this, &mapName](std::string_view raw) {
            const std::string name = foundNameOf(raw);
            if (foundName_) {
                foundName_(name, mapName);
            } else if (AdmitFoundName(name, mapName)) {
                followWorldName(name);
            }
        });
    }
}

void ReferenceScanner::LookForTFNM(const std::string& name) {
    scanText(name, LineCut::AfterMarker);
}

void ReferenceScanner::LookForTFNM2(const std::string& name) {
    scanText(name, LineCut::Quoted);
}

void ReferenceScanner::scanText(const std::string& name, LineCut cut) {
    if (!presentForScan(name)) {
        return;
    }
    std::string contents;
    try {
        contents = ScanFile(folders_, name).readAll();
    } catch (const UnreadableFile& error) {
        noteUnreadable(error);
        return;
    }
    forEachLine(textBeforeNul(contents), [this, cut, &name](std::string_view line) {
        const std::string_view raw = cutReferenceLine(line, cut);
        // An empty cut names no file: listing it would show a blank entry and a blank missing line.
        if (raw.empty()) {
            return;
        }
        const std::string found = foundNameOf(raw);
        if (AdmitFoundName(found, name) && equalsAsciiNoCase(extensionOf(found), ".tex")) {
            LookForTFNM3(found);
        }
    });
}

void ReferenceScanner::LookForTFNM3(const std::string& name) {
    if (!presentForScan(name)) {
        return;
    }
    try {
        scanTexture(name);
    } catch (const UnreadableFile& error) {
        noteUnreadable(error);
    }
}

void ReferenceScanner::scanTexture(const std::string& name) {
    // Only the tail window: a record running past the file's end yields nothing, so the window holds all a
    // record can give. A shorter texture is scanned whole.
    const std::string tail = ScanFile(folders_, name).readTail(128);
    forEachBlockRecord(tail, tail.size(),
                       [this, &name](std::string_view raw) { AdmitFoundName(foundNameOf(raw), name); });
}

} // namespace korvane
