#include "platform/ListingRun.h"

#include "platform/Collation.h"

#include <algorithm>
#include <optional>

namespace korvane {

namespace {

thread_local ListingRun* innermost = nullptr;

template <typename Key> using FoldIndex = std::unordered_map<Key, std::vector<std::size_t>>;

// The positions of the entries whose names fold as name does, from an index by that folding built on first use.
template <typename Key, typename Entries, typename Fold>
const std::vector<std::size_t>& foldedLike(std::optional<FoldIndex<Key>>& index, const Entries& entries, Fold fold,
                                           std::string_view name) {
    if (!index) {
        index.emplace();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            (*index)[fold(entries[i].entry.name)].push_back(i);
        }
    }
    static const std::vector<std::size_t> none;
    const auto found = index->find(fold(name));
    return found == index->end() ? none : found->second;
}

} // namespace

struct ListingRun::Folder {
    struct Entry {
        FolderEntry entry;
        // Worked out on first use, once; none for an entry that vanished or dangles.
        std::optional<std::optional<std::uint32_t>> attributes;
    };
    std::filesystem::path path;
    std::vector<Entry> entries; // in byte order of the names
    // Indexes built on first use, each by the folding its callers compare with.
    std::optional<FoldIndex<std::u32string>> byAsciiFold;
    std::optional<FoldIndex<std::string>> byCaseFold;
};

ListingRun::ListingRun() : outer_(innermost) {
    innermost = this;
}

ListingRun::~ListingRun() {
    innermost = outer_;
}

ListingRun* ListingRun::current() {
    return innermost;
}

ListingRun::Folder& ListingRun::folder(const std::string& path) {
    auto& slot = folders_[path];
    if (!slot) {
        slot = std::make_unique<Folder>();
        slot->path = path;
        for (auto& entry : folderEntries(slot->path)) {
            slot->entries.push_back({std::move(entry), std::nullopt});
        }
        std::sort(slot->entries.begin(), slot->entries.end(),
                  [](const auto& a, const auto& b) { return a.entry.name < b.entry.name; });
    }
    return *slot;
}

std::vector<FolderItem> ListingRun::itemsNamed(const std::filesystem::path& path, std::string_view name) {
    Folder& listed = folder(path.string());
    std::vector<FolderItem> items;
    for (const std::size_t i : foldedLike(listed.byAsciiFold, listed.entries, asciiFolded, name)) {
        auto& entry = listed.entries[i];
        if (!entry.attributes) {
            entry.attributes = fileAttributes(listed.path / entry.entry.name);
        }
        if (*entry.attributes) {
            items.push_back({entry.entry.name, **entry.attributes});
        }
    }
    return items;
}

std::vector<FolderEntry> ListingRun::entriesMatching(const std::string& path, std::string_view name) {
    Folder& listed = folder(path);
    std::vector<FolderEntry> entries;
    for (const std::size_t i : foldedLike(listed.byCaseFold, listed.entries, caseFoldKey, name)) {
        entries.push_back(listed.entries[i].entry);
    }
    return entries;
}

} // namespace korvane
