#include "cli/CommandLineMain.h"

#include "cli/Command.h"
#include "cli/DroppedMap.h"
#include "platform/Terminal.h"
#include "platform/UserError.h"
#include "platform/Version.h"

#include <array>
#include <exception>
#include <iostream>

namespace korvane::cli {

namespace {

const std::string kVersionText = std::string("korvane ") + kProgramVersion + "\n";

const char* const kOverallHead = "Usage: korvane [COMMAND [ARGUMENTS...]]\n"
                                 "\n"
                                 "Without a command Korvane opens its windows. With one it runs headless, needs no\n"
                                 "display, and exits with 0 on success, 1 when the job ran but something was missing\n"
                                 "or failed, and 2 on a usage error.\n"
                                 "\n"
                                 "Commands:\n";

const char* const kOverallTail = "\n"
                                 "Options:\n"
                                 "  --help       this text; \"korvane COMMAND --help\" describes one command\n"
                                 "  --version    the program's version\n";

struct Entry {
    const char* words; // the command's name, as typed
    const Command& (*command)();
};

const std::array<Entry, 10> kCommands{{
    {"scan", scanCommand},
    {"why", whyCommand},
    {"pack", packCommand},
    {"list", listCommand},
    {"standard", standardBuildCommand},
    {"convert", convertCommand},
    {"demo", demoCommand},
    {"root", rootCommand},
    {"check", checkCommand},
    {"preview", previewCommand},
}};

const Command* findCommand(const std::string& name) {
    for (const Entry& entry : kCommands) {
        if (name == entry.words) {
            return &entry.command();
        }
    }
    return nullptr;
}

void writeOverallHelp(std::ostream& out) {
    out << kOverallHead;
    constexpr std::size_t kColumn = 32;
    for (const Entry& entry : kCommands) {
        const std::string synopsis = entry.command().synopsis;
        out << "  " << synopsis;
        // A long synopsis gets the summary on a line of its own.
        if (synopsis.size() < kColumn) {
            out << std::string(kColumn - synopsis.size(), ' ');
        } else {
            out << '\n' << std::string(kColumn + 2, ' ');
        }
        out << entry.command().summary << '\n';
    }
    out << kOverallTail;
}

int usageError(Console& console, const std::string& message, const std::string& commandName) {
    console.err << "korvane: " << message << '\n'
                << "Try 'korvane " << (commandName.empty() ? "" : commandName + " ") << "--help'.\n";
    return kExitUsage;
}

int runOne(const Command& command, const std::vector<std::string>& words, Console& console) {
    ParsedCommand parsed;
    try {
        parsed = parseCommand(command.spec, words);
    } catch (const UsageError& error) {
        return usageError(console, error.what(), command.spec.name);
    }
    if (parsed.help) {
        console.out << command.help;
        return kExitSuccess;
    }
    try {
        return command.run(parsed, console);
    } catch (const UsageError& error) {
        return usageError(console, error.what(), command.spec.name);
    } catch (...) {
        // File layer, settings store and engine errors carry the texts the windows show; any other failure
        // gets a fixed text, never a library's.
        console.err << userMessageOf(std::current_exception()) << '\n';
        return kExitFailed;
    }
}

} // namespace

bool wantsCommandLine(const std::vector<std::string>& words) {
    if (words.empty()) {
        return false;
    }
    const std::string& first = words.front();
    const bool toolkitOption = first.size() > 1 && first[0] == '-' && first[1] != '-';
    return !toolkitOption || first == "-h";
}

int runCommandLine(const std::vector<std::string>& words, Console& console) {
    const std::string& first = words.front();
    if (first == "--help" || first == "-h") {
        writeOverallHelp(console.out);
        return kExitSuccess;
    }
    if (first == "--version") {
        console.out << kVersionText;
        return kExitSuccess;
    }
    if (isDroppedMap(words)) {
        return runOne(droppedMapCommand(), words, console);
    }
    const Command* command = findCommand(first);
    if (command == nullptr) {
        return usageError(console, (first[0] == '-' ? "unknown option " : "unknown command ") + first, "");
    }
    std::vector<std::string> rest(words.begin() + 1, words.end());
    // "standard" has one action so far; its name is part of the command.
    if (first == "standard") {
        if (rest.empty() || (rest.front() != "build" && rest.front() != "--help" && rest.front() != "-h")) {
            return usageError(console, "standard needs an action: build", "standard build");
        }
        if (rest.front() == "build") {
            rest.erase(rest.begin());
        }
    }
    return runOne(*command, rest, console);
}

int runCommandLine(int argc, char** argv) {
    std::ios::sync_with_stdio(true);
    Console console{std::cout, std::cerr, isTerminal(Stream::Err), isTerminal(Stream::Out)};
    const std::vector<std::string> words(argv + 1, argv + argc);
    const int code = runCommandLine(words, console);
    std::cout.flush();
    // A console window opened for a dropped map alone would close before its log could be read.
    if (isDroppedMap(words) && ownsConsoleWindow()) {
        waitForKey();
    }
    return code;
}

} // namespace korvane::cli
