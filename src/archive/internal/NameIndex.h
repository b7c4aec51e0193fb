// Finding an entry by its stored name, letter case ignored, without walking the whole list: the duplicate
// search of an archive written aside, where thousands of files come one call at a time.
#pragma once

#include "archive/internal/DirManager.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

// Stored names are equal when they differ only in letter case (a folder's trailing '/' aside).
bool sameStoredName(std::string_view a, std::string_view b);

class StoredNameIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // The first entry of the list that has the name, or npos. Entries appended since the last call are
    // indexed first.
    std::size_t find(const TZEDirArray& list, std::string_view name);
    // Forgets the entries from `size` on, after the list was cut or an entry removed there.
    void truncate(std::size_t size);

private:
    std::unordered_multimap<std::string, std::size_t> byKey_;
    std::vector<std::string> keys_; // per indexed entry, in list order
};

} // namespace korvane
