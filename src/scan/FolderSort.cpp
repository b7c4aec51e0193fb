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
    std::size_t target = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        // Entries equal under the collation sit together in the result and all go to the first one's place.
        if (i == 0 || !collateEqual(sorted[i - 1], sorted[i])) {
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
    list.beginUpdate();
    list.clear();
    for (auto& entry : entries) {
        list.append(std::move(entry.name), entry.checked);
    }
    list.endUpdate();
}

} // namespace korvane
