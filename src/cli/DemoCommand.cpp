// korvane demo: a small installation to try Korvane on without the game.
#include "cli/Command.h"
#include "cli/DemoContent.h"
#include "cli/DemoInstallation.h"
#include "cli/DemoMod.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsFiles.h"

namespace korvane::cli {

namespace {

int runDemo(const ParsedCommand& parsed, Console& console) {
    TerminalProgress progress(console);
    const DemoResult demo = createDemoInstallation(parsed.operands.front(), console, progress);
    progress.clear();
    if (!demo.complete) {
        return kExitFailed;
    }
    if (const auto settingsFile = parsed.value("--settings")) {
        FileSettingsStore settings(*settingsFile);
        AppState state;
        state.InstallRoot = demo.installRoot;
        WriteInstallRoot(state, settings);
    }
    console.out << "Demo installation created in " << demo.installRoot << '\n'
                << "Its maps: " << kDemoMaps[0] << ' ' << kDemoMaps[1] << '\n'
                << "Its mod " << kDemoModName << ", with the map " << kDemoModMap << '\n';
    return kExitSuccess;
}

} // namespace

const Command& demoCommand() {
    static const Command command{
        {"demo", {{"--settings"}}, 1, 1},
        "demo DIR [--settings FILE]",
        "create a demo installation",
        "Usage: korvane demo DIR [--settings FILE]\n"
        "\n"
        "Creates a small but complete installation in DIR (which must be missing or empty):\n"
        "Bin/SeriousSam.exe, the standard archives SE1_00.gro and SE1_00_Extra.gro, two maps in\n"
        "Levels/ whose references reach textures, models, sounds, music, a .txt and a .smc, and\n"
        "the standard list cache files in Temp/, so that Korvane starts configured on it. One\n"
        "referenced file is missing on purpose. Mods/DemoMod/ is a mod with an archive of its own,\n"
        "loose files, an entity library and a map, Levels/DemoModLevel.wld, that needs them.\n"
        "\n"
        "  --settings FILE   also store DIR as the configured installation in this settings file\n"
        "                    (start Korvane with KORVANE_SETTINGS=FILE to use it)\n"
        "\n"
        "Exit status: 0 when created, 1 when something could not be written, 2 on a usage error.\n",
        runDemo};
    return command;
}

} // namespace korvane::cli
