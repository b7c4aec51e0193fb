// The Windows console: arguments as UTF-16, UTF-8 output shown as such, and pipes getting the bytes unchanged.
#include "platform/Terminal.h"

#include "Wide.h"

#include <conio.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

namespace korvane {

bool isTerminal(Stream stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE), &mode) != 0;
}

std::size_t terminalColumns(std::size_t fallback) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info) == 0) {
        return fallback;
    }
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 0 ? static_cast<std::size_t>(columns) : fallback;
}

std::vector<std::string> programArguments(int argc, char** argv) {
    SetConsoleOutputCP(CP_UTF8);
    // Without text mode a "\n" stays one byte, as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return {argv, argv + argc};
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(fromWide(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

bool ownsConsoleWindow() {
    // Only a console one can type into: with standard input redirected nobody could press the key.
    DWORD mode = 0;
    DWORD processes[2];
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0 && GetConsoleProcessList(processes, 2) == 1;
}

void waitForKey() {
    std::fputs("Press any key to close this window.\n", stderr);
    _getch();
}

} // namespace korvane
