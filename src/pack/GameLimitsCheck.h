// An archive checked against the game's own reader: what it refuses, misreads, cannot find or never uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

struct AppState;

struct CheckedMember {
    std::string name;            // UTF-8, '\' separators, as the game looks it up
    std::size_t storedBytes = 0; // the name's length as stored in the archive
    std::uint16_t method = 0;    // 0 stored, otherwise compressed
    bool folder = false;
    bool ansiBytes = true;    // stored as the bytes a map holds for the name: ASCII, or the ANSI code page
    std::uint64_t offset = 0; // where its local header starts in the file
    std::uint64_t span = 0;   // bytes from there to the end of its data, extra field aside
};

struct CheckedArchive {
    std::string path;       // where the archive file is
    std::uint64_t size = 0; // bytes of the archive file
    std::vector<CheckedMember> members;
    std::uint64_t countedEntries = 0;   // by the end record, which the game trusts
    std::uint64_t directoryHeaders = 0; // in the directory
};

// Reads the archive's directory through the engine's reader; throws what opening throws.
CheckedArchive readCheckedArchive(const std::string& path);

// One "Warning: ..." line per problem, none for an archive the game reads as intended. Without an
// installation (no standard lists), the rule about standard files is skipped. modName names the mod the
// archive is loaded with, empty for none: the mod's own archives then count as standard too.
std::vector<std::string> checkGameLimits(const CheckedArchive& archive, const AppState* installation,
                                         const std::string& modName = {});

// The check of an archive just written; one that cannot be read back gives a warning saying why.
std::vector<std::string> checkWrittenArchive(const std::string& path, const AppState* installation,
                                             const std::string& modName = {});

// The plain message that lists the warnings (a long list is shortened; the log keeps them all).
std::string gameLimitsMessage(const std::vector<std::string>& warnings);

} // namespace korvane
