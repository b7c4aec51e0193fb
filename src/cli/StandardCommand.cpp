// korvane standard build: the standard list cache files, as the setup wizard saves them.
#include "cli/Command.h"
#include "cli/Installation.h"
#include "cli/StandardCache.h"
#include "platform/GamePath.h"
#include "settings/EditionDetection.h"
#include "settings/SettingsMessages.h"

#include <optional>

namespace korvane::cli {

namespace {

inline constexpr const char* kPresets = "auto, se110, se107, fe100c, fe105 or ssr";

// The archives of the named preset, or of the edition the installation's archives show for "auto"; none
// when they show no known edition.
std::optional<std::vector<std::string>> presetNamesOf(const std::string& preset, const std::string& installRoot,
                                                      Console& console) {
    if (preset == "auto") {
        const Edition* edition = detectEdition(installRoot);
        if (edition == nullptr) {
            return std::nullopt;
        }
        console.out << editionFoundText(*edition) << '\n';
        return editionArchives(*edition, installRoot);
    }
    for (const Edition& edition : knownEditions()) {
        if (edition.option == preset) {
            return editionArchives(edition, installRoot);
        }
    }
    throw UsageError("unknown preset " + preset + " (" + kPresets + ")");
}

std::optional<std::vector<std::string>> archiveNamesOf(const ParsedCommand& parsed, const std::string& installRoot,
                                                       Console& console) {
    const auto preset = parsed.value("--preset");
    if (preset && !parsed.operands.empty()) {
        throw UsageError("give either --preset or archive names, not both");
    }
    if (preset) {
        return presetNamesOf(*preset, installRoot, console);
    }
    if (parsed.operands.empty()) {
        throw UsageError(std::string("give --preset (") + kPresets + ") or archive names");
    }
    std::vector<std::string> names;
    for (const std::string& operand : parsed.operands) {
        names.push_back(gameNameOf(operand, installRoot));
    }
    return names;
}

bool anyExists(const std::vector<std::string>& names, const std::string& installRoot) {
    for (const std::string& name : names) {
        if (fileExists(installRoot + name)) {
            return true;
        }
    }
    return false;
}

int runStandardBuild(const ParsedCommand& parsed, Console& console) {
    const std::string installRoot = installRootFrom(required(parsed, "--root"));
    ConsoleDialogs dialogs(console);
    const auto chosen = archiveNamesOf(parsed, installRoot, console);
    if (!chosen) {
        dialogs.showMessage(std::string(kNoEditionFound) + "\nGive its standard archive names instead.");
        return kExitFailed;
    }
    const std::vector<std::string>& names = *chosen;
    TerminalProgress progress(console);
    dialogs.progress = &progress;
    // The wizard's own check of a typed list; a preset is built whatever it finds.
    if (!parsed.has("--preset") && !anyExists(names, installRoot)) {
        dialogs.showMessage(kNoValidGro);
        return kExitFailed;
    }
    progress.nameItems(names, 1);
    const StandardCacheResult result = buildStandardCache(installRoot, names, dialogs, progress);
    progress.clear();
    if (!result.saved) {
        return kExitFailed;
    }
    console.out << result.files << " standard files from " << names.size() << " archive names saved to " << installRoot
                << "Temp" << kNativeSeparator << "KVN_files.dat and KVN_gros.dat\n";
    return result.complete ? kExitSuccess : kExitFailed;
}

} // namespace

const Command& standardBuildCommand() {
    static const Command command{
        {"standard build", {{"--root"}, {"--preset"}}, 0, std::nullopt},
        "standard build --root DIR (--preset NAME | GRO...)",
        "build the standard file list",
        "Usage: korvane standard build --root DIR --preset NAME\n"
        "       korvane standard build --root DIR GRO...\n"
        "\n"
        "Lists the members of the installation's standard archives and saves them, as the setup\n"
        "wizard does, to Temp/KVN_files.dat, with the archive names in Temp/KVN_gros.dat. The\n"
        "configured installation (the settings store) is not changed.\n"
        "\n"
        "  --root DIR       the installation folder (holding Bin/SeriousSam.exe)\n"
        "  --preset auto    the edition the installation's archives show; it is named first\n"
        "  --preset se107   The Second Encounter v1.07: SE1_00.gro, SE1_00_Extra.gro,\n"
        "                   SE1_00_ExtraTools.gro, SE1_00_Music.gro, 1_04_patch.gro, 1_07_tools.gro\n"
        "  --preset se110   The Second Encounter v1.10: the v1.07 archives, SE1_10.gro, and\n"
        "                   SE1_00_Levels.gro and SE1_00_Logo.gro where present\n"
        "  --preset fe105   The First Encounter v1.05: 1_00.gro, 1_00_music.gro,\n"
        "                   1_00_ExtraTools.gro, 1_04_patch.gro\n"
        "  --preset fe100c  The First Encounter v1.05 on the 1.00c archives: 1_00c.gro,\n"
        "                   1_00_music.gro, 1_00_ExtraTools.gro, 1_04_patch.gro, and 1_00.gro,\n"
        "                   1_00_a.gro, 1_00c_scripts.gro and 1_00c_Logo.gro where present\n"
        "  --preset ssr     Serious Sam Classics: Revolution: All_01.gro, All_02.gro\n"
        "  GRO              an archive name relative to the root, or a file system path inside it\n"
        "\n"
        "Exit status: 0 when every archive was listed, 1 when some were missing (the lists are\n"
        "saved all the same), one could not be read or no edition was found (nothing is\n"
        "saved), 2 on a usage error.\n",
        runStandardBuild};
    return command;
}

} // namespace korvane::cli
