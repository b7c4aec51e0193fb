#include "jobs/PackJob.h"

#include "jobs/CollectJob.h"
#include "pack/DestinationPath.h"
#include "pack/PackingReport.h"
#include "platform/UserError.h"
#include "settings/KeptArchives.h"

#include <exception>

namespace korvane {

PackingOutcome packSelection(const PackRequest& request, const PackingSeams& seams) {
    if (seams.installation != nullptr && !request.folders.modFolder().empty()) {
        try {
            standardFilesFor(
                {*seams.installation, request.folders, request.maps, false, withGroExtension(request.destination)});
        } catch (...) {
            seams.report.stopped(PackingStop::Failed, userMessageOf(std::current_exception()));
            return PackingOutcome::NotStarted;
        }
    }
    // The installation's standard archives and the mod's own are never replaced.
    PackingSeams guarded = seams;
    if (seams.installation != nullptr) {
        guarded.keptArchives = archivesNeverReplaced(*seams.installation, request.folders, request.maps);
    }
    return PackingRun(guarded).run(request.folders, request.destination, request.files);
}

} // namespace korvane
