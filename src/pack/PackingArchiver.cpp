#include "pack/PackingArchiver.h"

#include "archive/ZipEngine.h"
#include "pack/PackingEvents.h"

namespace korvane {

void applyPackingDefaults(TZipEngine& archiver) {
    archiver.SetCompressionLevel(clFastest);
    archiver.SetCompressionMode(1);
    archiver.Options.FlushBuffers = true;
    archiver.Zip64Mode = zmDisabled;
}

void bindPackingEvents(TZipEngine& archiver, PackingEvents& events) {
    archiver.OnFileProgress = [&events](TZEBaseArchiver&, const std::string&, double progress, TZEProcessOperation,
                                        TZEProgressPhase phase, bool&) { events.FileProgress(progress, phase); };
    archiver.OnProcessFileFailure = [&events](TZEBaseArchiver&, const std::string&, TZEProcessOperation, int, int,
                                              const std::string& message,
                                              TZEAction& action) { action = events.ProcessFileFailure(message); };
    archiver.OnDiskFull = [&events](TZEBaseArchiver&, int, const std::string&, bool& cancel) {
        cancel = events.DiskFull();
    };
    archiver.OnConfirmOverwrite = [](TZEBaseArchiver&, const std::string&, std::string&, bool& confirm) {
        confirm = PackingEvents::ConfirmOverwrite();
    };
}

} // namespace korvane
