#include "scan/CollectionRun.h"

#include "scan/DeepScan.h"
#include "scan/ReferenceScanner.h"
#include "scan/ScanFiles.h"

#include <algorithm>
#include <climits>

namespace korvane {

namespace {

int barValue(std::uint64_t value) {
    return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX));
}

std::string withoutLast(const std::string& name, std::size_t count) {
    return name.substr(0, name.size() - std::min(count, name.size()));
}

class MapLister {
public:
    MapLister(const CollectionLists& lists, const GameFolders& folders, const ReferenceScanner& scanner)
        : lists_(lists), folders_(folders), scanner_(scanner) {}

    // True when the name is in the list afterwards because it qualifies. A scan may have listed it already;
    // it is not listed twice.
    bool listIfQualified(const std::string& name, ListedBy rule, const std::string& map) {
        if (!gameFileExists(folders_, name) || scanner_.isStandard(name)) {
            return false;
        }
        appendOnce(name, rule, map);
        return true;
    }

    void appendOnce(const std::string& name, ListedBy rule, const std::string& map = {}) {
        if (!lists_.FileList.contains(name)) {
            lists_.FileList.append(name, true);
        }
        if (lists_.Reasons != nullptr) {
            lists_.Reasons->record(name, rule, map);
        }
    }

private:
    const CollectionLists& lists_;
    const GameFolders& folders_;
    const ReferenceScanner& scanner_;
};

} // namespace

Companions companionsOf(const std::string& mapName) {
    return {withoutLast(mapName, 4) + "Tbn.tex", withoutLast(mapName, 3) + "tbn", withoutLast(mapName, 3) + "vis"};
}

CollectionOutcome collectDependencies(const CollectionLists& lists, const std::vector<std::string>& maps,
                                      ProgressSink& progress, const MapNotFound& mapNotFound) {
    CollectionOutcome outcome;
    const GameFolders folders(lists.InstallRoot, lists.ModFolder);
    ReferenceScanner scanner(folders, lists.FileList, lists.StandardFiles, lists.MissingFiles);
    DeepScanner deep(folders, lists.FileList, scanner);
    scanner.setReasons(lists.Reasons);
    if (lists.DeepScan) {
        scanner.setFoundNameHandler(
            [&deep](const std::string& name, const std::string& map) { deep.found(name, map); });
    }
    MapLister lister(lists, folders, scanner);
    const auto total = static_cast<long long>(maps.size());
    progress.setOverallMax(barValue(maps.size()));
    progress.setOverallPosition(0);
    for (long long i = 0; i < total; ++i) {
        const std::string& map = maps[static_cast<std::size_t>(i)];
        progress.setOverallPosition(barValue(static_cast<std::uint64_t>(i + 1)));
        progress.setOverallText(outOf(i + 1, total));
        if (!gameFileExists(folders, map)) {
            outcome.mapsNotFound.push_back(map);
            if (mapNotFound) {
                mapNotFound(map);
            }
            continue;
        }
        // The map roots the chains its names start, unless an earlier map named it already.
        if (lists.Reasons != nullptr) {
            lists.Reasons->record(map, ListedBy::Map);
        }
        progress.setCurrentPosition(0);
        progress.setCurrentMax(barValue(gameFileSize(folders, map)));
        scanner.LookForWorldDFNM(map, [&progress](std::uint64_t offset, std::uint64_t size) {
            progress.setCurrentPosition(barValue(offset));
            progress.setCurrentText(outOf(static_cast<long long>(offset), static_cast<long long>(size)));
            progress.processEvents();
        });
        lister.appendOnce(map, ListedBy::Map);
        const Companions companions = companionsOf(map);
        if (!lister.listIfQualified(companions.thumbnailTexture, ListedBy::ThumbnailTexture, map)) {
            lister.listIfQualified(companions.thumbnail, ListedBy::Thumbnail, map);
        }
        lister.listIfQualified(companions.visibility, ListedBy::Visibility, map);
    }
    outcome.filesMissing = static_cast<int>(lists.MissingFiles.names().size());
    return outcome;
}

} // namespace korvane
