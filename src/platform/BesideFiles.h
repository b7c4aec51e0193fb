// Files the game can use only as plain files, never from a GRO: they must ship beside the archive.
#pragma once

#include <optional>
#include <string_view>

namespace korvane {

enum class BesideReason {
    Library,     // a library the game loads straight from the disk
    StartupFile, // read while the game starts, before it opens any GRO
};

// Why the game can use the file (a game path) only as a plain file; none for a file a GRO may hold.
std::optional<BesideReason> besideReason(std::string_view name);

// The reason in a map maker's words, for the front ends and the log.
const char* besideReasonText(BesideReason reason);

} // namespace korvane
