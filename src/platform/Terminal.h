// The program's console: whether its streams reach a terminal, how wide it is, and how arguments and UTF-8
// text pass through it on each platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

enum class Stream { Out, Err };
bool isTerminal(Stream stream);
// Columns of the terminal standard error shows on; the fallback when it has none.
std::size_t terminalColumns(std::size_t fallback);

// Sets the console up so that UTF-8 output shows as such and pipes get the bytes unchanged, and returns the
// program's arguments in UTF-8 (on Windows read as UTF-16 from the command line, whatever the code page).
std::vector<std::string> programArguments(int argc, char** argv);

// The text as one word of the platform's command shell, quoted only when it has to be: a folder to paste
// into a suggested command.
std::string shellWord(std::string_view text);

// The single command-line word that opens the archive viewer instead of the main window: a path, told apart
// from the command names by its dot or separator. The program decides with it before the windows are loaded.
inline bool isArchiveToView(const std::string& word) {
    return !word.empty() && word.front() != '-' && word.find_first_of("./") != std::string::npos;
}

// True when no other program shares this one's console window (it was started by a double-click or a file
// dropped on it), so that the window closes as soon as the program ends.
bool ownsConsoleWindow();
// Waits until a key is pressed on the console.
void waitForKey();

} // namespace korvane
