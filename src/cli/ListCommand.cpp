// korvane list: an archive's member names as the standard list builder forms them.
#include "archive/ZipEngine.h"
#include "cli/Command.h"
#include "cli/TerminalText.h"
#include "platform/UserError.h"
#include "settings/StandardListBuilder.h"

namespace korvane::cli {

namespace {

// Names go out in blocks as they come: an archive fails only while it opens, so a failure prints none.
constexpr std::size_t kBlockBytes = 64 * 1024;

int runList(const ParsedCommand& parsed, Console& console) {
    TerminalProgress progress(console);
    TZipEngine archiver;
    std::string block;
    block.reserve(kBlockBytes + 1024);
    try {
        forEachGroMember(archiver, progress, parsed.operands.front(), true, [&](std::string_view name) {
            // Only a terminal needs its controls shown; into a pipe the name goes as it is.
            if (console.outOnTerminal) {
                block += shownName(name, true);
            } else {
                block += name;
            }
            block += '\n';
            if (block.size() >= kBlockBytes) {
                progress.clear();
                console.out << block;
                block.clear();
            }
        });
    } catch (const UserError& error) {
        progress.clear();
        // The engine's own text, which ends in its native error number.
        console.err << error.what() << '\n';
        return kExitFailed;
    }
    progress.clear();
    console.out << block;
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
