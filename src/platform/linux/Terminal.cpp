#include "platform/Terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace korvane {

bool isTerminal(Stream stream) {
    return ::isatty(stream == Stream::Out ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

std::size_t terminalColumns(std::size_t fallback) {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return fallback;
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

std::string shellWord(std::string_view text) {
    if (!text.empty() &&
        text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+:,") ==
            std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A terminal window outlives the programs it runs.
bool ownsConsoleWindow() {
    return false;
}

void waitForKey() {}

} // namespace korvane
