#include "jobs/CollectJob.h"

#include "archive/ZipEngine.h"
#include "platform/UserError.h"
#include "scan/DeepScanHint.h"
#include "settings/GameMods.h"

#include <exception>

namespace korvane {

NameList standardFilesFor(const CollectRequest& request) {
    const std::string& modFolder = request.folders.modFolder();
    if (modFolder.empty()) {
        return request.installation.StandardFiles;
    }
    TZipEngine reader;
    NoProgress quiet;
    const auto own = ownArchives(request.maps, request.destination, modFolder);
    return withModArchives(request.installation.StandardFiles, modFolder, reader, quiet, own);
}

CollectResult collectMaps(const CollectRequest& request, NameList& files, MissingList& missing,
                          ProgressSink& progress) {
    CollectResult result;
    files.clear();
    missing.clear();
    try {
        const NameList standard = standardFilesFor(request);
        const CollectionLists lists{
            request.installation.InstallRoot, files,          standard, missing, request.deepScan,
            request.folders.modFolder(),      request.reasons};
        result.outcome = collectDependencies(lists, request.maps, progress, request.mapNotFound);
        if (!request.deepScan) {
            result.deepScanWouldAdd = filesDeepScanWouldAdd(request.folders, files, standard);
        }
    } catch (...) {
        result.failure = userMessageOf(std::current_exception());
    }
    return result;
}

} // namespace korvane
