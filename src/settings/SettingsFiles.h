// The installation root in the settings store and the two catalogue cache files under InstallRoot + "Temp".
#pragma once

#include "platform/AppState.h"
#include "platform/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::string_view kSettingsKey = "\\Software\\Korvane";
inline constexpr std::string_view kInstallRootValue = "SSPath15";
inline constexpr std::string_view kGroCacheName = "KVN_gros.dat";
inline constexpr std::string_view kFilesCacheName = "KVN_files.dat";

// Reads "SSPath15" into InstallRoot; missing gives the empty string. Throws SettingsError
// "Invalid data type for 'SSPath15'" when the value is not a string.
void ReadInstallRoot(AppState& state, SettingsStore& store);

// Stores InstallRoot as "SSPath15". Throws SettingsError "Failed to set data for 'SSPath15'".
void WriteInstallRoot(const AppState& state, SettingsStore& store);

// Creates the cache folder when missing, then replaces KVN_gros.dat and KVN_files.dat together, each whole.
// Throws FileError "Cannot create file <path>" for the first file that could not be written; both files then
// keep their old contents.
void SaveStandardLists(const AppState& state);

// Finishes a save that was interrupted after it committed. False ("not found") unless both cache files exist; then
// StandardFiles gets the lines of KVN_files.dat, all checked, and StandardGroList those of KVN_gros.dat. Throws
// FileError "Cannot open file <path>" when an existing file cannot be read; the lists change only when both files were
// read.
bool LoadStandardLists(AppState& state);
// Finishes an interrupted save as loading does, then tells whether both cache files exist.
bool StandardListsExist(const AppState& state);

// The cache file form of a list: each entry in the ANSI code page followed by CR LF.
std::string encodeCacheLines(const std::vector<std::string>& entries);
// The entries of a cache file: lines end at CR LF, a lone CR or a lone LF; a NUL ends the text; a final
// line break makes no extra entry.
std::vector<std::string> decodeCacheLines(std::string_view bytes);

} // namespace korvane
