#include "platform/GameFolders.h"

#include "platform/GamePath.h"

namespace korvane {

GameFolders::GameFolders(std::string installRoot) : installRoot_(std::move(installRoot)) {}

GameFolders::GameFolders(std::string installRoot, std::string modFolder)
    : installRoot_(std::move(installRoot)), modFolder_(std::move(modFolder)) {}

const std::string& GameFolders::folderOf(std::string_view name) const {
    if (!modFolder_.empty() && isSafeGamePath(name) && korvane::fileExists(modFolder_ + std::string(name))) {
        return modFolder_;
    }
    return installRoot_;
}

bool GameFolders::fileExists(std::string_view name) const {
    return isSafeGamePath(name) && korvane::fileExists(fullPath(name));
}

const std::string& GameFolders::rootFor(std::string_view chosenPath) const {
    const bool inMod = !modFolder_.empty() && chosenPath.substr(0, modFolder_.size()) == modFolder_;
    return inMod ? modFolder_ : installRoot_;
}

} // namespace korvane
