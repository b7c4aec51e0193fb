// The engine seen from inside: its public class with the state types it holds, complete, for the engine's
// own source files and tests.
#pragma once

#include "archive/ZipEngine.h"
#include "archive/internal/ArchiveFile.h"
#include "archive/internal/DirManager.h"
#include "archive/internal/EndRecord.h"
#include "archive/internal/StagedState.h"

namespace korvane {

struct TZEInternals {
    // The open archive's directory; null while none is open.
    static const TZEDirManager* DirManager(const TZEBaseArchiver& engine) { return engine.dirManager_.get(); }
};

} // namespace korvane
