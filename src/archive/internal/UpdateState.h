// What one update (ForceUpdate) keeps while it writes: where it started, the saved tail, its counters.
#pragma once

#include "archive/ZipTypes.h"
#include "archive/internal/TempFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {

struct TZEUpdateState {
    std::size_t keepIndex = 0;            // K: entries below it stay where they are
    std::uint64_t writePosition = 0;      // W: file position where the update writes, and the roll back cuts
    bool fileCut = false;                 // the file was cut at W: from here on a failure must put it back
    std::optional<TZETempFile> tail;      // the archive's bytes from W on, when entries follow a replaced one
    std::vector<std::uint64_t> tailSpans; // per snapshot entry from K on: its bytes (header, name, data)
    int filesDone = 0;
    int filesTotal = 0;
    TZEProcessOperation operation = poAdd;
};

} // namespace korvane
