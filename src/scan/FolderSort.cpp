#include "scan/FolderSort.h"

#include "platform/Collation.h"

#include <algorithm>
#include <unordered_map>

namespace korvane {

namespace {

bool collatesBefore(const std::string& a, const std::string& b) {
    return collate(a, b) < 0;
}

// Distinct keys under the collation, sorted, each in the form seen first: a stable sort keeps the first
// seen at the head of every run of equal keys.
std::vector<std::string> distinctSortedKeys(std::vector<std::string> keysInOrder) {
    std::stable_sort(keysInOrder.begin(), keysInOrder.end(), collatesBefore);
    std::vector<std::string> keys;
    for (auto& key : keysInOrder) {
        if (keys.empty() || !collateEqual(keys.back(), key)) {
            keys.push_back(std::move(key));
        }
    }
    return keys;
}

struct Entry {
    std::string name;
    std::string foldKey;
    bool checked = false;
};

bool startsRun(const std::vector<std::string>& sorted, std::size_t i) {
    return i == 0 || !collateEqual(sorted[i - 1], sorted[i]);
}

// Each result entry, in turn, goes to the first place of its run of entries equal under the collation, so
// a run ends up reversed. Quadratic, for lists the direct placement cannot take.
void placeStepByStep(const std::vector<std::string>& sorted, std::vector<Entry>& entries) {
    std::size_t target = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (startsRun(sorted, i)) {
            target = i;
        }
        const std::string key = caseFoldKey(sorted[i]);
        const auto found =
            std::find_if(entries.begin(), entries.end(), [&key](const Entry& entry) { return entry.foldKey == key; });
        // A name spelt with ':' before its file part comes back with '\' and matches nothing; it stays put.
        if (found == entries.end()) {
            continue;
        }
        Entry moving = std::move(*found);
        entries.erase(found);
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(target), std::move(moving));
    }
}

// The same result in n log n when every result entry finds an entry of its own, as it does in every list
// the windows build (names unique ignoring case, none spelt with ':'): runs reversed, then the rest in
// their old order. False, with the entries untouched, for any other list.
bool placeDirectly(const std::vector<std::string>& sorted, std::vector<Entry>& entries) {
    std::unordered_map<std::string, std::size_t> indexByKey;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!indexByKey.try_emplace(entries[i].foldKey, i).second) {
            return false;
        }
    }
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    std::vector<bool> placed(entries.size(), false);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const auto found = indexByKey.find(caseFoldKey(sorted[i]));
        if (found == indexByKey.end() || placed[found->second]) {
            return false;
        }
        if (startsRun(sorted, i)) {
            runStart = order.size();
        }
        placed[found->second] = true;
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(runStart), found->second);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!placed[i]) {
            order.push_back(i);
        }
    }
    std::vector<Entry> result;
    result.reserve(entries.size());
    for (const std::size_t i : order) {
        result.push_back(std::move(entries[i]));
    }
    entries = std::move(result);
    return true;
}
} // namespace

std::vector<std::string> folderSortedNames(const std::vector<std::string>& names) {
    std::vector<std::string> result;
    std::vector<std::string> keysInOrder;
    std::unordered_map<std::string, std::vector<std::string>> remaindersByExactKey;
    for (const auto& name : names) {
        const std::size_t separator = name.find_last_of("\\:");
        if (separator == std::string::npos || separator == 0) {
            result.push_back(name);
            continue;
        }
        std::string key = name.substr(0, separator) + "\\";
        remaindersByExactKey[key].push_back(name.substr(separator + 1));
        keysInOrder.push_back(std::move(key));
    }
    std::stable_sort(result.begin(), result.end(), collatesBefore);
    for (const auto& key : distinctSortedKeys(std::move(keysInOrder))) {
        auto& remainders = remaindersByExactKey[key];
        std::stable_sort(remainders.begin(), remainders.end(), collatesBefore);
        for (const auto& remainder : remainders) {
            result.push_back(key + remainder);
        }
    }
    return result;
}

void sortByFolder(NameList& list) {
    const std::vector<std::string> sorted = folderSortedNames(list.names());
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        entries.push_back({list.name(i), caseFoldKey(list.name(i)), list.checked(i)});
    }
    if (!placeDirectly(sorted, entries)) {
        placeStepByStep(sorted, entries);
    }
    list.beginUpdate();
    list.clear();
    for (auto& entry : entries) {
        list.append(std::move(entry.name), entry.checked);
    }
    list.endUpdate();
}

} // namespace korvane
