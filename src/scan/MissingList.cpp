#include "scan/MissingList.h"

#include "platform/Collation.h"

namespace korvane {

bool MissingList::contains(std::string_view name) const {
    const auto [first, last] = byKey_.equal_range(caseFoldKey(name));
    for (auto it = first; it != last; ++it) {
        if (collateEqual(names_[it->second], name)) {
            return true;
        }
    }
    return false;
}

void MissingList::add(std::string_view name) {
    if (!contains(name)) {
        byKey_.emplace(caseFoldKey(name), names_.size());
        names_.emplace_back(name);
    }
}

void MissingList::clear() {
    names_.clear();
    byKey_.clear();
}

} // namespace korvane
