// korvane root: the installation the windows are configured for.
#include "cli/Command.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsFiles.h"

namespace korvane::cli {

namespace {

int runRoot(const ParsedCommand&, Console& console) {
    const auto settings = machineSettings();
    AppState state;
    ReadInstallRoot(state, *settings);
    if (state.InstallRoot.empty()) {
        console.err << "No installation is configured in " << settings->place() << ".\n";
        return kExitFailed;
    }
    console.out << state.InstallRoot << '\n';
    return kExitSuccess;
}

} // namespace

const Command& rootCommand() {
    static const Command command{
        {"root", {}, 0, 0},
        "root",
        "print the configured installation",
        "Usage: korvane root\n"
        "\n"
        "Prints the installation folder stored in the settings (the file KORVANE_SETTINGS names, or\n"
        "the default one).\n"
        "\n"
        "Exit status: 0 when one is configured, 1 when none is, 2 on a usage error.\n",
        runRoot};
    return command;
}

} // namespace korvane::cli
