// korvane why: every chain of files that leads from the maps to one file.
#include "cli/Collection.h"
#include "cli/Command.h"
#include "cli/TerminalText.h"

#include <algorithm>

namespace korvane::cli {

namespace {

using Chain = std::vector<std::string>;

Chain namesOf(const std::vector<FileReasons::Link>& links) {
    Chain names;
    for (const FileReasons::Link& link : links) {
        names.push_back(link.name);
    }
    return names;
}

// The chain the collection recorded, then one through each other file that names it.
std::vector<Chain> chainsTo(const std::string& name, const FileReasons& reasons) {
    std::vector<Chain> chains;
    if (reasons.recorded(name)) {
        chains.push_back(namesOf(reasons.chain(name)));
    }
    for (const std::string& namer : reasons.watchedNamers()) {
        Chain chain = namesOf(reasons.chain(namer));
        chain.push_back(chains.empty() ? name : chains.front().back());
        if (std::find(chains.begin(), chains.end(), chain) == chains.end()) {
            chains.push_back(std::move(chain));
        }
    }
    return chains;
}

int runWhy(const ParsedCommand& parsed, Console& console) {
    TerminalProgress progress(console);
    std::string name = parsed.operands.front();
    std::replace(name.begin(), name.end(), '/', '\\');
    ParsedCommand maps = parsed;
    maps.operands.erase(maps.operands.begin());
    Collection collection;
    collection.DeepScan = parsed.has("--deep");
    if (!prepareCollection(maps, collection, console)) {
        return kExitFailed;
    }
    progress.nameItems(collection.MapList.names(), 1);
    collection.Reasons.watch(name);
    if (!collect(collection, progress, console).finished()) {
        return kExitFailed;
    }
    const std::vector<Chain> chains = chainsTo(name, collection.Reasons);
    for (const Chain& chain : chains) {
        for (std::size_t i = 0; i < chain.size(); ++i) {
            console.out << (i == 0 ? "" : "\t") << shownName(chain[i], console.outOnTerminal);
        }
        console.out << '\n';
    }
    if (chains.empty()) {
        console.err << "No file the maps lead to names " << name << ".\n";
    }
    return chains.empty() ? kExitFailed : kExitSuccess;
}

} // namespace

const Command& whyCommand() {
    static const Command command{
        {"why", {{"--root"}, {"--standard-cache"}, {"--deep", false}, {"--mod"}}, 2, std::nullopt},
        "why [--root DIR] NAME MAP...",
        "tell which files lead the maps to NAME",
        "Usage: korvane why [--root DIR] [--mod NAME] [--standard-cache DIR] [--deep] NAME MAP...\n"
        "\n"
        "Runs the collection as scan does and prints every chain of files that leads from the maps\n"
        "to the game file NAME, one a line, its files tab-separated from the map down to NAME: first\n"
        "the chain by which the file was listed, then one through each other file that names it.\n"
        "NAME is a game path such as Textures\\Wall.tex (or Textures/Wall.tex), in any letter case;\n"
        "a standard file that the maps name gets its chains too. The options are those of scan.\n"
        "\n"
        "Exit status: 0 when some chain leads to NAME, 1 when none does or a map could not be read,\n"
        "2 on a usage error.\n",
        runWhy};
    return command;
}

} // namespace korvane::cli
