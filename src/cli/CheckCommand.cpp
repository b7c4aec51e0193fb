// korvane check: an archive against the limits of the game's own reader, as the packing run checks its own.
#include "archive/ZEException.h"
#include "cli/Collection.h"
#include "cli/Command.h"
#include "cli/Installation.h"
#include "pack/GameLimitsCheck.h"
#include "platform/FileError.h"
#include "settings/GameMods.h"

namespace korvane::cli {

namespace {

int runCheck(const ParsedCommand& parsed, Console& console) {
    AppState state;
    std::string modName;
    if (const auto root = parsed.value("--root")) {
        ConsoleDialogs dialogs(console);
        state.InstallRoot = installRootFrom(*root);
        if (!loadStandardLists(state, "", dialogs)) {
            return kExitFailed;
        }
        if (const auto mod = parsed.value("--mod")) {
            const std::string folder = modFolderFrom(state.InstallRoot, *mod);
            modName = modOfFolder(folder).value_or(*mod);
            // The archive checked is not one of the mod's own, even when it lies in the mod's folder.
            if (!joinModArchives(state.StandardFiles, folder, ownArchives({}, parsed.operands.front(), folder),
                                 dialogs)) {
                return kExitFailed;
            }
        }
    } else if (parsed.has("--mod")) {
        throw UsageError("--mod needs --root");
    }
    CheckedArchive archive;
    try {
        archive = readCheckedArchive(parsed.operands.front());
    } catch (const EZEException& error) {
        console.err << error.Message() << '\n';
        return kExitFailed;
    }
    const std::vector<std::string> warnings =
        checkGameLimits(archive, state.InstallRoot.empty() ? nullptr : &state.StandardFiles, modName);
    for (const std::string& warning : warnings) {
        console.out << warning << '\n';
    }
    if (warnings.empty()) {
        console.out << "No problems found.\n";
    }
    return warnings.empty() ? kExitSuccess : kExitFailed;
}

} // namespace

const Command& checkCommand() {
    static const Command command{
        {"check", {{"--root"}, {"--mod"}}, 1, 1},
        "check ARCHIVE [--root DIR [--mod NAME]]",
        "check an archive against the game's limits",
        "Usage: korvane check ARCHIVE [--root DIR [--mod NAME]]\n"
        "\n"
        "Reads the archive's directory and prints one \"Warning:\" line for each thing the game\n"
        "would refuse or misread: more than 32767 entries, a name over 254 bytes or with non-ASCII\n"
        "characters, two names that differ only in letter case, a compressed .ogg or .mp3, an\n"
        "archive of 2 GiB or more and, with --root, a packed file that is also one of the\n"
        "installation's standard files (the archive would replace it for every map).\n"
        "\n"
        "  --root DIR   the installation whose standard file list (its Temp\\KVN_files.dat)\n"
        "               is checked against\n"
        "  --mod NAME   the archive is loaded with the mod in Mods/NAME: the mod's archives\n"
        "               count as standard too\n"
        "\n"
        "Exit status: 0 when the archive passes, 1 when it has a problem or cannot be read,\n"
        "2 on a usage error.\n",
        runCheck};
    return command;
}

} // namespace korvane::cli
