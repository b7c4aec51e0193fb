// The two cache files change together: both are written into a staging folder beside them, the folder's
// rename commits them, and they are then moved into place one by one. A run killed after the commit leaves
// the folder behind, and the next reader finishes the move first, so the files read always belong to one
// save. Each file keeps its own plain format; nothing is added to them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace korvane {

struct CacheFileContents {
    std::string name; // file name in the cache folder
    std::string bytes;
};

// The name of the first file that could not be written, empty when the files are in place. Until the commit
// the old files stay as they were.
std::string replaceCacheFiles(const std::filesystem::path& folder, const std::vector<CacheFileContents>& files);

// Finishes a replacement that was committed but not moved into place; nothing when there is none.
void finishCacheReplacement(const std::filesystem::path& folder);

} // namespace korvane
