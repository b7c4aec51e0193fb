// The packing archiver's settings before a run, and its four events answered by a run's handlers.
#pragma once

namespace korvane {

class PackingEvents;
class TZipEngine;

// The main window's defaults: clFastest, then mode 1; buffers flushed after every update; no Zip64.
void applyPackingDefaults(TZipEngine& archiver);
// For runs without a main window: each event goes straight to the run's handler.
void bindPackingEvents(TZipEngine& archiver, PackingEvents& events);

} // namespace korvane
