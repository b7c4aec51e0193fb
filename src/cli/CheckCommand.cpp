// korvane check: an archive against the limits of the game's own reader, as the packing run checks its own.
#include "cli/Command.h"
#include "cli/Installation.h"
#include "jobs/CheckJob.h"
#include "jobs/CollectJob.h"
#include "platform/UserError.h"
#include "settings/GameMods.h"

namespace korvane::cli {

namespace {

int runCheck(const ParsedCommand& parsed, Console& console) {
    AppState state;
    std::string modName;
    if (const auto root = parsed.value("--root")) {
        state.InstallRoot = installRootFrom(*root);
        if (!loadStandardLists(state, "", console)) {
            return kExitFailed;
        }
        if (const auto mod = parsed.value("--mod")) {
            const std::string folder = modFolderFrom(state.InstallRoot, *mod);
            modName = modOfFolder(folder).value_or(*mod);
            // The archive checked is not one of the mod's own, even when it lies in the mod's folder.
            try {
                state.StandardFiles =
                    standardFilesFor({state, {state.InstallRoot, folder}, {}, false, parsed.operands.front()});
            } catch (const UserError& error) {
                console.err << error.what() << '\n';
                return kExitFailed;
            }
        }
    } else if (parsed.has("--mod")) {
        throw UsageError("--mod needs --root");
    }
    const CheckResult checked =
        checkArchive(parsed.operands.front(), state.InstallRoot.empty() ? nullptr : &state, modName);
    if (!checked.read()) {
        console.err << checked.failure << '\n';
        return kExitFailed;
    }
    const std::vector<std::string>& warnings = checked.warnings;
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
        "Reads the archive's directory and prints one \"Warning:\" line for each thing the game's\n"
        "reader would refuse, misread or never find: more than 32767 entries, a name over 512\n"
        "bytes (the game then refuses the whole archive), a non-ASCII name not stored in the ANSI\n"
        "code page that maps use, two names that differ only in letter case, a compressed .ogg or\n"
        ".mp3, an archive of 2 GiB or more and, with --root, a packed file that is also one of the\n"
        "installation's standard files. For those it says whose copy the game uses: it reads a\n"
        "mod's archives first, then the game folder's in reverse alphabetical order of their names,\n"
        "and takes the first copy it meets; when yours loses, it names a file name that wins.\n"
        "\n"
        "  --root DIR   the installation whose standard file list (its Temp\\KVN_files.dat)\n"
        "               and standard archives are checked against\n"
        "  --mod NAME   the archive is loaded with the mod in Mods/NAME: the mod's archives\n"
        "               count as standard too\n"
        "\n"
        "Exit status: 0 when the archive passes, 1 when it has a problem or cannot be read,\n"
        "2 on a usage error.\n",
        runCheck};
    return command;
}

} // namespace korvane::cli
