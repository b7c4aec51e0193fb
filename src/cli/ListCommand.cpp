// korvane list: an archive's member names as the standard list builder forms them.
#include "archive/ZipEngine.h"
#include "cli/Command.h"
#include "cli/TerminalText.h"
#include "platform/UserError.h"
#include "settings/StandardListBuilder.h"

namespace korvane::cli {

namespace {

int runList(const ParsedCommand& parsed, Console& console) {
    TerminalProgress progress(console);
    TZipEngine archiver;
    // Names are held until the listing is complete, so that a failure prints none of them.
    std::string names;
    try {
        forEachGroMember(archiver, progress, parsed.operands.front(), true, [&](std::string&& name) {
            // Only a terminal needs its controls shown; into a pipe the name goes as it is, uncopied.
            if (console.outOnTerminal) {
                names += shownName(name, true);
            } else {
                names += name;
            }
            names += '\n';
        });
    } catch (const UserError& error) {
        progress.clear();
        // The engine's own text, which ends in its native error number.
        console.err << error.what() << '\n';
        return kExitFailed;
    }
    progress.clear();
    console.out << names;
    return kExitSuccess;
}

} // namespace

const Command& listCommand() {
    static const Command command{
        {"list", {}, 1, 1},
        "list ARCHIVE",
        "list an archive's members",
        "Usage: korvane list ARCHIVE\n"
        "\n"
        "Opens the archive (a .gro or any ZIP file) and prints its member names, one a line, as the\n"
        "standard file list holds them: folders separated by '\\', letter case as stored, folder\n"
        "entries left out (control characters shown as ^[, ^J and so on on a terminal). When the\n"
        "archive cannot be opened, prints the archive engine's message\n"
        "with its error number.\n"
        "\n"
        "Exit status: 0 when listed, 1 when the archive could not be read, 2 on a usage error.\n",
        runList};
    return command;
}

} // namespace korvane::cli
