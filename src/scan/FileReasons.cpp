#include "scan/FileReasons.h"

#include "platform/Collation.h"

#include <algorithm>

namespace korvane {

namespace {

std::string joinNames(const std::vector<FileReasons::Link>& links, std::size_t count, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += (i == 0 ? "" : separator) + links[i].name;
    }
    return text;
}

const char* ruleNote(ListedBy rule) {
    switch (rule) {
    case ListedBy::Map:
        return " (a map of step 1)";
    case ListedBy::SoundTwin:
        return " (the game plays it in place of the named .mp3 or .ogg)";
    case ListedBy::ThumbnailTexture:
    case ListedBy::Thumbnail:
        return " (the map's thumbnail)";
    case ListedBy::Visibility:
        return " (the map's visibility file)";
    case ListedBy::Name:
        break;
    }
    return "";
}

} // namespace

const char* ruleWord(ListedBy rule) {
    switch (rule) {
    case ListedBy::Map:
        return "map";
    case ListedBy::SoundTwin:
        return "sound-twin";
    case ListedBy::ThumbnailTexture:
        return "thumbnail-texture";
    case ListedBy::Thumbnail:
        return "thumbnail";
    case ListedBy::Visibility:
        return "visibility";
    case ListedBy::Name:
        break;
    }
    return "named";
}

std::int32_t FileReasons::indexOf(std::string_view name) const {
    const auto found = byKey_.find(caseFoldKey(name));
    return found == byKey_.end() ? -1 : found->second;
}

bool FileReasons::recorded(std::string_view name) const {
    return indexOf(name) >= 0;
}

void FileReasons::record(std::string_view name, ListedBy rule, std::string_view from) {
    const auto [at, added] = byKey_.try_emplace(caseFoldKey(name), static_cast<std::int32_t>(entries_.size()));
    if (!added) {
        return;
    }
    if (from != lastFrom_ || lastFromIndex_ < 0) {
        lastFrom_ = from;
        lastFromIndex_ = from.empty() ? -1 : indexOf(from);
    }
    entries_.push_back({std::string(name), lastFromIndex_, rule});
}

std::vector<FileReasons::Link> FileReasons::chain(std::string_view name) const {
    std::vector<Link> links;
    // A parent is always recorded before its child, so the walk only goes back and ends.
    for (std::int32_t i = indexOf(name); i >= 0; i = entries_[static_cast<std::size_t>(i)].parent) {
        const Entry& entry = entries_[static_cast<std::size_t>(i)];
        links.push_back({entry.name, entry.rule});
    }
    std::reverse(links.begin(), links.end());
    return links;
}

void FileReasons::watch(std::string_view name) {
    watchedKey_ = caseFoldKey(name);
    namers_.clear();
}

void FileReasons::noteWatched(std::string_view name, std::string_view from) {
    if (caseFoldKey(name) == watchedKey_ && std::find(namers_.begin(), namers_.end(), from) == namers_.end()) {
        namers_.emplace_back(from);
    }
}

std::string chainText(const FileReasons& reasons, std::string_view name) {
    const std::vector<FileReasons::Link> links = reasons.chain(name);
    if (links.empty()) {
        return "added by hand";
    }
    return joinNames(links, links.size(), "\n\u2192 ") + ruleNote(links.back().rule);
}

std::string neededBy(const FileReasons& reasons, std::string_view name) {
    const std::vector<FileReasons::Link> links = reasons.chain(name);
    return links.size() < 2 ? std::string() : joinNames(links, links.size() - 1, " \u2192 ");
}

} // namespace korvane
