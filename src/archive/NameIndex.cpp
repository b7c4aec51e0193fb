#include "archive/internal/NameIndex.h"

#include "platform/AsciiText.h"
#include "platform/Collation.h"

#include <algorithm>

namespace korvane {

namespace {

std::string_view withoutFolderMark(std::string_view name) {
    if (!name.empty() && name.back() == '/') {
        name.remove_suffix(1);
    }
    return name;
}

// Equal for every two names sameStoredName calls equal; a few others share it too and are told apart there.
std::string keyOf(std::string_view name) {
    name = withoutFolderMark(name);
    if (!isAscii(name)) {
        return caseFoldKey(name);
    }
    return asciiLowered(name);
}

} // namespace

bool sameStoredName(std::string_view a, std::string_view b) {
    if (equalsAsciiNoCase(a, b)) {
        return true;
    }
    return !isAscii(a) && !isAscii(b) && caseFoldKey(a) == caseFoldKey(b);
}

std::size_t StoredNameIndex::find(const TZEDirArray& list, std::string_view name) {
    while (keys_.size() < list.size()) {
        keys_.push_back(keyOf(list[keys_.size()].StoredName));
        byKey_.emplace(keys_.back(), keys_.size() - 1);
    }
    std::size_t first = npos;
    const auto [from, to] = byKey_.equal_range(keyOf(name));
    for (auto it = from; it != to; ++it) {
        if (it->second < first && it->second < list.size() &&
            sameStoredName(withoutFolderMark(list[it->second].StoredName), name)) {
            first = it->second;
        }
    }
    return first;
}

void StoredNameIndex::truncate(std::size_t size) {
    while (keys_.size() > size) {
        const auto [from, to] = byKey_.equal_range(keys_.back());
        for (auto it = from; it != to; ++it) {
            if (it->second == keys_.size() - 1) {
                byKey_.erase(it);
                break;
            }
        }
        keys_.pop_back();
    }
}

} // namespace korvane
