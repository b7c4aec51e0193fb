// Finds the files a map depends on: reference records in maps and texture tails, reference lines in text
// and model configuration files, each admitted name listed once and followed depth-first by its extension.
#pragma once

#include "platform/GameFolders.h"
#include "platform/NameList.h"
#include "scan/FileReasons.h"
#include "scan/MissingList.h"
#include "scan/ReferenceRecords.h"
#include "scan/ScanFiles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

class ReferenceScanner {
public:
    // Called before some blocks of a map with the block's offset and the map's size.
    using ProgressReport = std::function<void(std::uint64_t offset, std::uint64_t size)>;

    ReferenceScanner(const GameFolders& folders, NameList& fileList, const NameList& standardFiles,
                     MissingList& missingFiles);

    // Names are relative to the installation, in UTF-8. A file that exists and cannot be opened throws
    // FileError "Cannot open file <InstallRoot + name>"; one that cannot be read is noted missing with the
    // reason, and the names it gave before stay listed.
    void LookForWorldDFNM(const std::string& mapName, const ProgressReport& report);
    void LookForTFNM(const std::string& name);
    void LookForTFNM2(const std::string& name);
    void LookForTFNM3(const std::string& name);

    // Lists a found name unless it is listed or standard, noting it missing when absent (with the note as
    // its reason when one is given); true when listed. from is the file that gave the name.
    bool AdmitFoundName(const std::string& name, const std::string& from, ListedBy rule = ListedBy::Name,
                        std::string_view missingNote = {});

    // A standard name, also under the edition's own spelling of it on Revolution.
    bool isStandard(std::string_view name) const;

    bool exists(std::string_view name) const;
    // A file found but not read in full counts as missing, so the run never passes for complete.
    void noteUnreadable(const UnreadableFile& error);

    // When set, each name a map gives goes to this instead of the admission rule and follow-up by extension.
    using FoundName = std::function<void(const std::string& name, const std::string& map)>;
    void setFoundNameHandler(FoundName handler) { foundName_ = std::move(handler); }

    // Where each admitted name's reason is recorded; none by default.
    void setReasons(FileReasons* reasons) { reasons_ = reasons; }

private:
    void scanText(const std::string& name, LineCut cut);
    void scanTexture(const std::string& name);
    void scanWorld(const std::string& mapName, const ProgressReport& report);
    // False (and the name noted missing) when a file to be scanned is absent.
    bool presentForScan(const std::string& name);
    void followWorldName(const std::string& name);

    GameFolders folders_;
    NameList& fileList_;
    const NameList& standardFiles_;
    MissingList& missingFiles_;
    FoundName foundName_;
    FileReasons* reasons_ = nullptr;
    bool revolution_ = false;
};

// A name as a game file gives it (ANSI bytes), in UTF-8 and as the game looks it up.
std::string foundNameOf(std::string_view raw);

} // namespace korvane
