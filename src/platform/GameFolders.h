// The folders a game path resolves in. With a mod active the game looks for a loose file in the mod's own
// folder first and in the installation's after it; without one only the installation counts.
#pragma once

#include "platform/GamePath.h"

#include <string>
#include <string_view>

namespace korvane {

class GameFolders {
public:
    // Folders are native and end in the separator. Implicit: most callers name the installation alone.
    GameFolders(std::string installRoot);
    GameFolders(std::string installRoot, std::string modFolder);

    const std::string& installRoot() const { return installRoot_; }
    // Empty without a mod.
    const std::string& modFolder() const { return modFolder_; }
    // Where a dialog that picks game files opens: the mod's folder when there is one, else the root.
    const std::string& startFolder() const { return modFolder_.empty() ? installRoot_ : modFolder_; }

    // The folder whose file the game reads for the name: the mod's when it has one, else the installation's
    // (also when neither has it, so that messages name the usual path).
    const std::string& folderOf(std::string_view name) const;
    // The name looked up where the game reads it: in the mod's folder when present there, else in the
    // installation's. One lookup serves the file's status, path and folder.
    struct Found {
        const std::string& folder;
        GameFile file;
    };
    Found lookUp(std::string_view name) const;
    // A game path naming a file inside either folder, after every link.
    bool fileExists(std::string_view name) const { return lookUp(name).file.status == GameFileStatus::Present; }

    // The folder a chosen full path is named against: the mod's when the path lies in it, else the
    // installation's, so that a file of the mod is named as the game names it with the mod active.
    const std::string& rootFor(std::string_view chosenPath) const;

private:
    std::string installRoot_;
    std::string modFolder_;
};

} // namespace korvane
