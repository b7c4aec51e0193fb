#include "platform/GameNames.h"

#include "platform/AsciiText.h"
#include "platform/GamePath.h"

#include <algorithm>
#include <array>

namespace korvane {

std::string lookupNameOf(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (const char c : name) {
        const bool separator = c == '\\' || c == '/';
        if (!separator) {
            result += c;
        } else if (!result.empty() && result.back() != '\\') {
            result += '\\';
        }
    }
    return result;
}

namespace {

// The folder a name starts in, as Revolution names it after merging the Second Encounter's into it.
std::string mergedFolder(std::string_view name) {
    static constexpr std::array<std::string_view, 6> kMerged{"ModelsMP\\", "SoundsMP\\",   "MusicMP\\",
                                                             "DataMP\\",   "TexturesMP\\", "AnimationsMP\\"};
    for (const std::string_view folder : kMerged) {
        if (name.size() > folder.size() && equalsAsciiNoCase(name.substr(0, folder.size()), folder)) {
            // "ModelsMP\" becomes "Models\": the two letters before the separator go.
            return std::string(name.substr(0, folder.size() - 3)) + '\\' + std::string(name.substr(folder.size()));
        }
    }
    return {};
}

std::string underscored(std::string name) {
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

} // namespace

std::vector<std::string> revolutionSpellings(std::string_view name) {
    std::vector<std::string> spellings;
    const auto add = [&spellings, name](std::string spelling) {
        if (!spelling.empty() && spelling != name &&
            std::find(spellings.begin(), spellings.end(), spelling) == spellings.end()) {
            spellings.push_back(std::move(spelling));
        }
    };
    const std::string merged = mergedFolder(name);
    add(merged);
    add(underscored(std::string(name)));
    add(underscored(merged));
    return spellings;
}

bool isRevolutionInstallation(std::string_view installRoot) {
    const std::string root(installRoot);
    return fileExists(root + "All_01.gro") && fileExists(root + "All_02.gro");
}

} // namespace korvane
