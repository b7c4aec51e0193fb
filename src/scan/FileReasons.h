// Why each listed file is in the list: the file that first named it, or the rule that listed it. Following
// the files that named it leads back to a map: Levels\MyMap.wld → Models\Crate\Crate.mdl → Models\Crate\Crate.tex.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

enum class ListedBy : std::uint8_t {
    Map,              // a map of the map list
    Name,             // named by another listed file
    SoundTwin,        // the .ogg of a named .mp3 (or the reverse), which the game plays instead
    ThumbnailTexture, // the map's ...Tbn.tex
    Thumbnail,        // the map's .tbn
    Visibility,       // the map's .vis
};

// A stable word for scripts: "map", "named", "sound-twin", "thumbnail-texture", "thumbnail", "visibility".
const char* ruleWord(ListedBy rule);

class FileReasons {
public:
    struct Link {
        std::string name;
        ListedBy rule;
    };

    // Keeps the first reason a name gets. from is the file that gave the name, already recorded itself
    // (the map for a companion file); a name recorded before any file is a root of its chain.
    void record(std::string_view name, ListedBy rule, std::string_view from = {});
    bool recorded(std::string_view name) const;

    // From the map down to the name; empty for a name no collection listed (one added by hand).
    std::vector<Link> chain(std::string_view name) const;

    // Besides the first, every file that names this one is noted (for "why"); at most one name is watched.
    void watch(std::string_view name);
    void noteFound(std::string_view name, std::string_view from) {
        if (!watchedKey_.empty()) {
            noteWatched(name, from);
        }
    }
    const std::vector<std::string>& watchedNamers() const { return namers_; }

private:
    struct Entry {
        std::string name;
        std::int32_t parent; // index of the file that named it, -1 for a root
        ListedBy rule;
    };
    std::int32_t indexOf(std::string_view name) const;
    void noteWatched(std::string_view name, std::string_view from);

    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::int32_t> byKey_;
    // Most names come in runs from one file: its index is looked up once per run.
    std::string lastFrom_;
    std::int32_t lastFromIndex_ = -1;
    std::string watchedKey_;
    std::vector<std::string> namers_;
};

// The chain for the windows, a file a line: "Levels\A.wld\n→ Models\M.mdl\n→ Models\M.tex", with the rule
// of a map, companion or sound twin after it; "added by hand" for a name with no chain.
std::string chainText(const FileReasons& reasons, std::string_view name);

// The files before the name in its chain ("Levels\A.wld → Models\M.mdl"); empty when there are none.
std::string neededBy(const FileReasons& reasons, std::string_view name);

} // namespace korvane
