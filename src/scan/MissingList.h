// The names of needed files that were not found, one per line of the missing-files dialog. A line counts
// as present when it equals a name under the locale-aware comparison that ignores letter case.
#pragma once

#include "scan/FileReasons.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class MissingList {
public:
    const std::vector<std::string>& names() const { return names_; }
    // The dialog's lines: each name, followed by the reason where it is missing for one and, with reasons,
    // the files that need it.
    std::vector<std::string> lines(const FileReasons* reasons = nullptr) const;
    bool empty() const { return names_.empty(); }
    bool contains(std::string_view name) const;
    // Appends the name as a new last line unless an equal line is there already. The reason says, in plain
    // words, why a name counts as missing when a file of that name may well be on disk.
    void add(std::string_view name, std::string_view reason = {});
    void clear();

private:
    std::vector<std::string> names_;
    std::vector<std::string> reasons_;
    // Case-folded name to line: the collation check runs only on the few lines that fold alike.
    std::unordered_multimap<std::string, std::size_t> byKey_;
};

} // namespace korvane
