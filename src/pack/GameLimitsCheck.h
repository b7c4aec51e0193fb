// An archive checked against the limits of the game's own reader: what it drops, misreads or cannot find.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

class NameList;

struct CheckedMember {
    std::string name;            // UTF-8, '\' separators, as the game looks it up
    std::size_t storedBytes = 0; // the name's length as stored in the archive
    std::uint16_t method = 0;    // 0 stored, otherwise compressed
    bool folder = false;
};

struct CheckedArchive {
    std::uint64_t size = 0; // bytes of the archive file
    std::vector<CheckedMember> members;
};

// Reads the archive's directory through the engine's reader; throws what opening throws.
CheckedArchive readCheckedArchive(const std::string& path);

// One "Warning: ..." line per problem, none for an archive the game reads as intended. Without a standard
// list the rule about replacing standard files is skipped. modName names the mod the archive is loaded with
// (placed in its folder), empty for none.
std::vector<std::string> checkGameLimits(const CheckedArchive& archive, const NameList* standardFiles,
                                         const std::string& modName = {});

// The check of an archive just written; one that cannot be read back gives a warning saying why.
std::vector<std::string> checkWrittenArchive(const std::string& path, const NameList* standardFiles,
                                             const std::string& modName = {});

// The plain message that lists the warnings (a long list is shortened; the log keeps them all).
std::string gameLimitsMessage(const std::vector<std::string>& warnings);

} // namespace korvane
