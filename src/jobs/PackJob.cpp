#include "jobs/PackJob.h"

#include "jobs/CollectJob.h"
#include "pack/DestinationPath.h"
#include "pack/PackingReport.h"
#include "platform/UserError.h"

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
    return PackingRun(seams).run(request.folders, request.destination, request.files);
}

} // namespace korvane
