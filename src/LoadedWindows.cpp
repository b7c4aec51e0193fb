// The windows from their own library, loaded only now, so that a command never loads the window toolkit.
#include "Entry.h"
#include "cli/Command.h"
#include "platform/LoadedPart.h"

#include <iostream>

namespace korvane {

int runWindows(int argc, char** argv) {
    std::string why;
    if (const auto code =
            runLoadedPart("korvane-windows.so", KORVANE_INSTALLED_WINDOWS, "korvaneRunWindows", argc, argv, why)) {
        return *code;
    }
    std::cerr << "korvane: the windows could not be loaded (" << why << "); 'korvane --help' lists the commands.\n";
    return cli::kExitFailed;
}

} // namespace korvane
