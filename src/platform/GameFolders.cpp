#include "platform/GameFolders.h"

namespace korvane {

namespace {

bool presentIn(const std::string& folder, std::string_view name) {
    return lookUpGameFile(folder, name).status == GameFileStatus::Present;
}

} // namespace

GameFolders::GameFolders(std::string installRoot) : installRoot_(std::move(installRoot)) {}

GameFolders::GameFolders(std::string installRoot, std::string modFolder)
    : installRoot_(std::move(installRoot)), modFolder_(std::move(modFolder)) {}

const std::string& GameFolders::folderOf(std::string_view name) const {
    if (!modFolder_.empty() && presentIn(modFolder_, name)) {
        return modFolder_;
    }
    return installRoot_;
}

GameFolders::Found GameFolders::lookUp(std::string_view name) const {
    if (!modFolder_.empty()) {
        GameFile inMod = lookUpGameFile(modFolder_, name);
        if (inMod.status == GameFileStatus::Present) {
            return {modFolder_, std::move(inMod)};
        }
    }
    return {installRoot_, lookUpGameFile(installRoot_, name)};
}

const std::string& GameFolders::rootFor(std::string_view chosenPath) const {
    const bool inMod = !modFolder_.empty() && chosenPath.substr(0, modFolder_.size()) == modFolder_;
    return inMod ? modFolder_ : installRoot_;
}

} // namespace korvane
