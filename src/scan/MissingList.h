// The names of needed files that were not found, one per line of the missing-files dialog. A line counts
// as present when it equals a name under the locale-aware comparison that ignores letter case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class MissingList {
public:
    const std::vector<std::string>& names() const { return names_; }
    bool empty() const { return names_.empty(); }
    bool contains(std::string_view name) const;
    // Appends the name as a new last line unless an equal line is there already.
    void add(std::string_view name);
    void clear();

private:
    std::vector<std::string> names_;
    // Case-folded name to line: the collation check runs only on the few lines that fold alike.
    std::unordered_multimap<std::string, std::size_t> byKey_;
};

} // namespace korvane
