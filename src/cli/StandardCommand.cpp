// korvane standard build: the standard list cache files, as the setup wizard saves them.
#include "cli/Command.h"
#include "cli/Installation.h"
#include "cli/StandardCache.h"
#include "platform/GamePath.h"
#include "settings/StandardPresets.h"

namespace korvane::cli {

namespace {

inline constexpr const char* kNoValidGro = "Please choose at least one valid GRO file";

std::vector<std::string> archiveNamesOf(const ParsedCommand& parsed, const std::string& installRoot) {
    const auto preset = parsed.value("--preset");
    if (preset && !parsed.operands.empty()) {
        throw UsageError("give either --preset or archive names, not both");
    }
    if (preset) {
        if (*preset == "se107") {
            return presetArchives(GamePreset::SecondEncounter107);
        }
        if (*preset == "fe105") {
            return presetArchives(GamePreset::FirstEncounter105);
        }
        throw UsageError("unknown preset " + *preset + " (se107 or fe105)");
    }
    if (parsed.operands.empty()) {
        throw UsageError("give --preset se107, --preset fe105 or archive names");
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
    const std::vector<std::string> names = archiveNamesOf(parsed, installRoot);
    ConsoleDialogs dialogs(console);
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
        "standard build --root DIR (--preset se107 | --preset fe105 | GRO...)",
        "build the standard file list",
        "Usage: korvane standard build --root DIR --preset se107\n"
        "       korvane standard build --root DIR --preset fe105\n"
        "       korvane standard build --root DIR GRO...\n"
        "\n"
        "Lists the members of the installation's standard archives and saves them, as the setup\n"
        "wizard does, to Temp/KVN_files.dat, with the archive names in Temp/KVN_gros.dat. The\n"
        "configured installation (the settings store) is not changed.\n"
        "\n"
        "  --root DIR       the installation folder (holding Bin/SeriousSam.exe)\n"
        "  --preset se107   The Second Encounter v1.07: SE1_00.gro, SE1_00_Extra.gro,\n"
        "                   SE1_00_ExtraTools.gro, SE1_00_Music.gro, 1_04_patch.gro, 1_07_tools.gro\n"
        "  --preset fe105   The First Encounter v1.05: 1_00.gro, 1_00_music.gro,\n"
        "                   1_00_ExtraTools.gro, 1_04_patch.gro\n"
        "  GRO              an archive name relative to the root, or a file system path inside it\n"
        "\n"
        "Exit status: 0 when every archive was listed, 1 when some were missing (the lists are\n"
        "saved all the same) or one could not be read (nothing is saved), 2 on a usage error.\n",
        runStandardBuild};
    return command;
}

} // namespace korvane::cli
