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

std::vector<std::string> MissingList::lines(const FileReasons* reasons) const {
    std::vector<std::string> lines;
    lines.reserve(names_.size());
    for (std::size_t i = 0; i < names_.size(); ++i) {
        std::string notes = reasons_[i];
        const std::string by = reasons != nullptr ? neededBy(*reasons, names_[i]) : std::string();
        if (!by.empty()) {
            notes += (notes.empty() ? "needed by " : "; needed by ") + by;
        }
        lines.push_back(notes.empty() ? names_[i] : names_[i] + "  (" + notes + ")");
    }
    return lines;
}

void MissingList::add(std::string_view name, std::string_view reason) {
    if (!contains(name)) {
        byKey_.emplace(caseFoldKey(name), names_.size());
        names_.emplace_back(name);
        reasons_.emplace_back(reason);
    }
}

void MissingList::clear() {
    names_.clear();
    reasons_.clear();
    byKey_.clear();
}

} // namespace korvane
