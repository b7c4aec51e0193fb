#include "platform/ListingRun.h"

#include "platform/Collation.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace korvane {

namespace {

thread_local ListingRun* innermost = nullptr;

struct U32Hash {
    std::size_t operator()(const std::u32string& text) const { return std::hash<std::u32string>{}(text); }
};

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
    std::optional<std::unordered_map<std::u32string, std::vector<std::size_t>, U32Hash>> byAsciiFold;
    std::optional<std::unordered_map<std::string, std::vector<std::size_t>>> byCaseFold;
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
        std::error_code error;
        for (std::filesystem::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
            slot->entries.push_back({{it->path().filename().string(), entryKind(*it)}, std::nullopt});
        }
        std::sort(slot->entries.begin(), slot->entries.end(),
                  [](const auto& a, const auto& b) { return a.entry.name < b.entry.name; });
    }
    return *slot;
}

std::vector<FolderItem> ListingRun::itemsNamed(const std::filesystem::path& path, std::string_view name) {
    Folder& listed = folder(path.string());
    if (!listed.byAsciiFold) {
        listed.byAsciiFold.emplace();
        for (std::size_t i = 0; i < listed.entries.size(); ++i) {
            (*listed.byAsciiFold)[asciiFolded(listed.entries[i].entry.name)].push_back(i);
        }
    }
    std::vector<FolderItem> items;
    const auto found = listed.byAsciiFold->find(asciiFolded(name));
    for (const std::size_t i : found == listed.byAsciiFold->end() ? std::vector<std::size_t>{} : found->second) {
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
    if (!listed.byCaseFold) {
        listed.byCaseFold.emplace();
        for (std::size_t i = 0; i < listed.entries.size(); ++i) {
            (*listed.byCaseFold)[caseFoldKey(listed.entries[i].entry.name)].push_back(i);
        }
    }
    std::vector<FolderEntry> entries;
    const auto found = listed.byCaseFold->find(caseFoldKey(name));
    if (found != listed.byCaseFold->end()) {
        for (const std::size_t i : found->second) {
            entries.push_back(listed.entries[i].entry);
        }
    }
    return entries;
}

} // namespace korvane
