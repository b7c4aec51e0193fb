// korvane scan: the files the maps need, as step 2 lists them.
#include "cli/Collection.h"
#include "cli/Command.h"
#include "cli/TerminalText.h"
#include "platform/BesideFiles.h"

namespace korvane::cli {

namespace {

// Listed like the rest, and named again on standard error: the game uses them only as plain files.
void writeBesideFiles(const NameList& files, Console& console) {
    for (const std::string& name : files.names()) {
        if (const auto reason = besideReason(name)) {
            console.err << "Ship beside the archive: " << shownName(name, console.progressOnTerminal) << " ("
                        << besideReasonText(*reason) << ")\n";
        }
    }
}

int runScan(const ParsedCommand& parsed, Console& console) {
    TerminalProgress progress(console);
    Collection collection;
    collection.DeepScan = parsed.has("--deep");
    if (!prepareCollection(parsed, collection, console)) {
        return kExitFailed;
    }
    progress.nameItems(collection.MapList.names(), 1);
    const CollectResult result = collect(collection, progress, console);
    if (!result.finished()) {
        return kExitFailed;
    }
    for (const std::string& name : collection.FileList.names()) {
        console.out << shownName(name, console.outOnTerminal);
        if (parsed.has("--why")) {
            const std::vector<FileReasons::Link> chain = collection.Reasons.chain(name);
            console.out << '\t' << (chain.empty() ? "named" : ruleWord(chain.back().rule));
            for (const FileReasons::Link& link : chain) {
                console.out << '\t' << shownName(link.name, console.outOnTerminal);
            }
        }
        console.out << '\n';
    }
    writeMissing(collection, console);
    writeBesideFiles(collection.FileList, console);
    writeDeepScanHint(result.deepScanWouldAdd, console);
    // A map refused before the run counts as well.
    const bool complete = !collection.choicesRefused && result.outcome.complete();
    return complete ? kExitSuccess : kExitFailed;
}

} // namespace

const Command& scanCommand() {
    static const Command command{
        {"scan", {{"--root"}, {"--standard-cache"}, {"--deep", false}, {"--mod"}, {"--why", false}}, 1, std::nullopt},
        "scan [--root DIR] [--mod NAME] MAP...",
        "list the files the maps need",
        "Usage: korvane scan [--root DIR] [--mod NAME] [--standard-cache DIR] [--deep] [--why] MAP...\n"
        "\n"
        "Prints the files that the maps need and that the installation's standard archives do not\n"
        "hold, one name relative to the root a line, in the order step 2 of the windows lists them:\n"
        "each map's references depth-first, then the map itself and its thumbnail and visibility\n"
        "files. Needed files that are missing are listed on standard error, a name that steps up\n"
        "with \"..\" or whose link leads out of the root with the reason beside it. Without --deep, a\n"
        "last line on standard error tells how many more files the deep scan would list. On a\n"
        "terminal, control characters in names are shown as ^[, ^J and so on. A file the game uses\n"
        "only as a plain file, never from a GRO (an entity library, ModExt.txt...), is listed too and\n"
        "named again on standard error as \"Ship beside the archive:\" with the reason.\n"
        "\n"
        "  --root DIR             the installation folder (holding Bin/SeriousSam.exe); without it,\n"
        "                         the one the first map given as a file path lies in (and its mod),\n"
        "                         else the configured one\n"
        "  --mod NAME             scan for the mod in Mods/NAME, as the game runs it: names resolve\n"
        "                         in the mod's folder first, the mod's archives count as standard\n"
        "  --standard-cache DIR   read KVN_files.dat and KVN_gros.dat from DIR instead of the\n"
        "                         installation's Temp folder\n"
        "  --deep                 deep scan: follow every file the maps lead to, at any depth\n"
        "                         (models, fonts, meshes, shaders, entity classes and libraries,\n"
        "                         textures)\n"
        "  --why                  after each name, a tab, why it is listed (map, named, sound-twin,\n"
        "                         thumbnail-texture, thumbnail, visibility) and, tab-separated, the\n"
        "                         chain of files from the map that first led to it down to the file\n"
        "  MAP                    a game path such as Levels\\MyLevel.wld (or Levels/MyLevel.wld),\n"
        "                         or a file system path to a map inside the installation\n"
        "\n"
        "Exit status: 0 when every needed file is there, 1 when some are missing or a map could\n"
        "not be read, 2 on a usage error.\n",
        runScan};
    return command;
}

} // namespace korvane::cli
