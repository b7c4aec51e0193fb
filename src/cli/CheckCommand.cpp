// korvane check: an archive against the limits of the game's own reader, as the packing run checks its own.
#include "archive/ZEException.h"
#include "cli/Command.h"
#include "cli/Installation.h"
#include "pack/GameLimitsCheck.h"
#include "platform/FileError.h"

namespace korvane::cli {

namespace {

int runCheck(const ParsedCommand& parsed, Console& console) {
    AppState state;
    if (const auto root = parsed.value("--root")) {
        ConsoleDialogs dialogs(console);
        state.InstallRoot = installRootFrom(*root);
        if (!loadStandardLists(state, "", dialogs)) {
            return kExitFailed;
        }
    }
    CheckedArchive archive;
    try {
        archive = readCheckedArchive(parsed.operands.front());
    } catch (const EZEException& error) {
        console.err << error.Message() << '\n';
        return kExitFailed;
    }
    const std::vector<std::string> warnings =
        checkGameLimits(archive, state.InstallRoot.empty() ? nullptr : &state.StandardFiles);
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
        {"check", {{"--root"}}, 1, 1},
        "check ARCHIVE [--root DIR]",
        "check an archive against the game's limits",
        "Usage: korvane check ARCHIVE [--root DIR]\n"
        "\n"
        "Reads the archive's directory and prints one \"Warning:\" line for each thing the game\n"
        "would refuse or misread: more than 32767 entries, a name over 254 bytes or with non-ASCII\n"
        "characters, two names that differ only in letter case, a compressed .ogg or .mp3, an\n"
        "archive of 2 GiB or more and, with --root, a packed file that is also one of the\n"
        "installation's standard files (the archive would replace it for every map).\n"
        "\n"
        "  --root DIR   the installation whose standard file list (its Temp\\KVN_files.dat)\n"
        "               is checked against\n"
        "\n"
        "Exit status: 0 when the archive passes, 1 when it has a problem or cannot be read,\n"
        "2 on a usage error.\n",
        runCheck};
    return command;
}

} // namespace korvane::cli
