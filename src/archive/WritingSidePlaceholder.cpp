// Placeholder for the writing side so that the reading side links on its own: every operation here refuses
// with "Internal error. Update is not started". The writer's own source files replace this file.
#include "archive/ZipEngine.h"

namespace korvane {

void TZEBaseArchiver::createArchive() { raiseError(22); }
void TZEBaseArchiver::finishPendingWrites() {}
void TZEBaseArchiver::AddFiles(std::string_view, std::uint16_t, std::string_view) { raiseError(22); }
void TZEBaseArchiver::BeginUpdate() { raiseError(22); }
void TZEBaseArchiver::EndUpdate() { raiseError(22); }
void TZEBaseArchiver::ForceUpdate() { raiseError(22); }

} // namespace korvane
