// The packing run's messages, which both front ends and the tests name rather than spell.
#pragma once

#include "platform/BesideFiles.h"

#include <string>

namespace korvane {

inline constexpr const char* kPacked = "The gro has been successfully created.";
inline const std::string kPackedOpenFolderQuestion =
    std::string(kPacked) + "\nDo you wish to open the destination directory?";
inline std::string folderNotOpened(const std::string& folder) {
    return "The folder " + folder + " could not be opened: no program to show folders was found.";
}
inline constexpr const char* kChooseValidDestination = "Please choose a valid name and location for your GRO.";
inline constexpr const char* kPathNotCreated = "Error: The path did not exist and could not be created!";
inline constexpr const char* kNotWritable = "Error: The file is not writable!";
inline constexpr const char* kKeptArchive =
    " is one of the game's standard archives or one of the mod's own, which Korvane never replaces.\n"
    "Please choose another name or location for your GRO.";
inline constexpr const char* kNothingPacked =
    "Error: None of the files could be packed, so the GRO was not written. A GRO that was there before is "
    "unchanged.";
inline constexpr const char* kSomeFilesNotIncluded =
    "Some files could not be included in the GRO. See the log for details.";

// The log line of a file left out of the archive because the game needs it as a plain file.
inline std::string besideLogLine(const std::string& entry, BesideReason reason) {
    return "  BESIDE: File " + entry + " must ship beside the GRO: " + besideReasonText(reason) + ".";
}

// What the closing message adds when files were left out for shipping beside the archive.
inline std::string besideClosingNote(int count) {
    return std::to_string(count) + (count == 1 ? " file" : " files") +
           " must ship beside the GRO, under the same folders (see the log); the GRO alone is not enough.";
}

} // namespace korvane
