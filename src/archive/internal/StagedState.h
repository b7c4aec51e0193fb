// What an archive written aside keeps between updates. Its entries are only appended or refilled, so an
// update remembers where it began and what it refilled instead of copying the whole list.
#pragma once

#include "archive/internal/DirManager.h"
#include "archive/internal/NameIndex.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace korvane {

struct TZEStagedState {
    std::uint64_t dataEnd = 0;   // where the next entry goes; the directory follows the last one
    std::size_t updateStart = 0; // entries from here on were added by the update in progress
    std::vector<std::pair<std::size_t, TDirItem>> refilled; // earlier entries the update refills, as they were
    StoredNameIndex names;
};

} // namespace korvane
