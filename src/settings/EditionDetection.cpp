#include "settings/EditionDetection.h"

#include "platform/GamePath.h"

#include <algorithm>

namespace korvane {

namespace {

bool hasArchive(const std::string& installRoot, const std::string& name) {
    return fileExists(installRoot + name);
}

long requiredCount(const Edition& edition) {
    return std::count_if(edition.archives.begin(), edition.archives.end(),
                         [](const PresetArchive& archive) { return archive.required; });
}

bool fits(const Edition& edition, const std::string& installRoot) {
    return std::all_of(edition.archives.begin(), edition.archives.end(), [&](const PresetArchive& archive) {
        return !archive.required || hasArchive(installRoot, archive.name);
    });
}

} // namespace

const Edition* detectEdition(const std::string& installRoot) {
    const Edition* best = nullptr;
    for (const Edition& edition : knownEditions()) {
        if (fits(edition, installRoot) && (best == nullptr || requiredCount(edition) > requiredCount(*best))) {
            best = &edition;
        }
    }
    return best;
}

std::vector<std::string> editionArchives(const Edition& edition, const std::string& installRoot) {
    std::vector<std::string> names;
    for (const PresetArchive& archive : edition.archives) {
        if (archive.required || hasArchive(installRoot, archive.name)) {
            names.push_back(archive.name);
        }
    }
    return names;
}

std::string editionFoundText(const Edition& edition) {
    return "Found " + edition.title + ".";
}

} // namespace korvane

namespace korvane {

VersionGuess guessWizardVersion(const std::string& installRoot) {
    const Edition* edition = detectEdition(installRoot);
    if (edition == nullptr) {
        return {2, {}, std::string(kNoEditionFound) + "\nPlease choose \"Другой\" and list its standard archives."};
    }
    VersionGuess guess{2, {}, editionFoundText(*edition)};
    if (edition->preset == GamePreset::SecondEncounter107) {
        guess.item = 0;
    } else if (edition->preset == GamePreset::FirstEncounter105) {
        guess.item = 1;
    } else {
        guess.archives = editionArchives(*edition, installRoot);
    }
    return guess;
}

} // namespace korvane
