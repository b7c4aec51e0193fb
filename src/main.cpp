#include "Entry.h"
#include "cli/CommandLineMain.h"
#include "platform/Terminal.h"

#include <string>
#include <vector>

// A command runs headless, before any part of the window toolkit is set up, so it needs no display.
int main(int argc, char** argv) {
    std::vector<std::string> arguments = korvane::programArguments(argc, argv);
    std::vector<char*> pointers;
    for (auto& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    const int count = static_cast<int>(arguments.size());
    const std::vector<std::string> words(arguments.begin() + (count > 0 ? 1 : 0), arguments.end());
    if (korvane::wantsWindows(words)) {
        return korvane::runWindows(count, pointers.data());
    }
    return korvane::cli::runCommandLine(count, pointers.data());
}
