#include "platform/FileFacts.h"

#include "platform/AsciiText.h"
#include "platform/FolderListings.h"
#include "platform/ListingRun.h"
#include "platform/Utf8Text.h"
#include "platform/Wildcard.h"

#include <algorithm>
#include <system_error>

namespace korvane {
namespace {

bool matchesWildcard(std::string_view name, std::string_view mask) {
    return mask == "*.*" || wildcardMatch(asciiFolded(name), asciiFolded(mask));
}

} // namespace

std::u32string asciiFolded(std::string_view text) {
    std::u32string folded = decodeUtf8(text);
    for (auto& c : folded) {
        c = c < 0x80 ? static_cast<char32_t>(asciiLower(static_cast<char>(c))) : c;
    }
    return folded;
}

DosDateTime toDosDateTime(std::time_t when) {
    std::tm local{};
    if (!toLocalTime(when, local)) {
        return {};
    }
    // The packed form covers 1980 to 2107; times outside are held at the nearest end.
    if (local.tm_year < 80) {
        return {static_cast<std::uint16_t>((1 << 5) | 1), 0};
    }
    if (local.tm_year > 207) {
        return {static_cast<std::uint16_t>((127 << 9) | (12 << 5) | 31),
                static_cast<std::uint16_t>((23 << 11) | (59 << 5) | 29)};
    }
    DosDateTime packed;
    packed.date = static_cast<std::uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    packed.time = static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    return packed;
}

DosDateTime currentDosDateTime() {
    return toDosDateTime(std::time(nullptr));
}

std::vector<FolderItem> listFolder(const std::filesystem::path& folder, std::string_view mask) {
    ListingRun* run = ListingRun::current();
    if (run != nullptr && mask.find_first_of("*?") == std::string_view::npos) {
        return run->itemsNamed(folder, mask);
    }
    std::vector<FolderItem> items;
    for (auto& entry : folderEntries(folder)) {
        if (!matchesWildcard(entry.name, mask)) {
            continue;
        }
        // An entry that vanished or dangles since the listing has no attributes and is left out.
        if (const auto attributes = fileAttributes(folder / entry.name)) {
            items.push_back({std::move(entry.name), *attributes});
        }
    }
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return items;
}

std::filesystem::path settledPath(const std::filesystem::path& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    if (error) {
        return {};
    }
    const auto canonical = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

} // namespace korvane
