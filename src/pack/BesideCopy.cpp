#include "pack/BesideCopy.h"

#include "platform/GamePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace korvane {

std::vector<BesideCopyFailure> copyBesideFiles(const GameFolders& folders, const std::vector<std::string>& names,
                                               const std::string& folder) {
    std::vector<BesideCopyFailure> failures;
    for (const std::string& name : names) {
        // Only a file that lies inside the game's folders is read, so the target stays inside the folder too.
        const GameFile source = folders.lookUp(name).file;
        if (source.status != GameFileStatus::Present) {
            failures.push_back({name, "it was not found"});
            continue;
        }
        std::string relative = name;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const std::filesystem::path target = std::filesystem::path(folder) / relative;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (!error) {
            std::filesystem::copy_file(source.path, target, std::filesystem::copy_options::overwrite_existing, error);
        }
        if (error) {
            failures.push_back({name, "cannot write " + target.string() + ": " + error.message()});
        }
    }
    return failures;
}

} // namespace korvane
