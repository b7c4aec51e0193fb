// What only Windows does to a run: arguments that arrive as UTF-16, output that must reach a pipe as the same
// UTF-8 bytes as on Linux, read-only destinations and names the system reserves.
#include "cli/CliFixture.h"

#include <windows.h>

#include <filesystem>

namespace korvane::testing {
namespace {

using WindowsFaults = DemoInstallationTest;

// The program built beside the tests, started as a user starts it.
std::filesystem::path program() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return std::filesystem::path(self).parent_path().parent_path() / "src" / "korvane-cli.exe";
}

std::string drain(HANDLE pipe) {
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) != 0 && got > 0) {
        bytes.append(buffer, got);
    }
    return bytes;
}

// Runs the program with the arguments written on its command line; standard output and error each reach a pipe.
CliRun started(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    EXPECT_TRUE(CreatePipe(&outRead, &outWrite, &inherit, 1 << 20) &&
                CreatePipe(&errRead, &errWrite, &inherit, 1 << 20));
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    std::wstring line = L"\"" + program().wstring() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    CliRun run;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process) != 0) {
        CloseHandle(outWrite);
        CloseHandle(errWrite);
        run.out = drain(outRead);
        run.err = drain(errRead);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.code = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        ADD_FAILURE() << "cannot start " << program().string();
        CloseHandle(outWrite);
        CloseHandle(errWrite);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

TEST_F(WindowsFaults, CyrillicMapNamesArriveIntactAndReachPipesAsUtf8) {
    const auto install = scratch_.path() / "Игры";
    std::filesystem::copy(folder(), install, std::filesystem::copy_options::recursive);
    std::filesystem::rename(install / "Levels/DemoCastle.wld", install / "Levels/Замок.wld");
    const CliRun run = started(L"scan --root \"" + install.wstring() + L"\" Levels\\Замок.wld Levels\\Нет.wld");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("\nLevels\\Замок.wld\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_NE(run.err.find("Нет.wld does not exist."), std::string::npos) << run.err;
}

TEST_F(WindowsFaults, AReadOnlyOrReservedDestinationStopsBeforeWritingAnything) {
    const auto kept = scratch_.write("Demo.gro", "the previous archive");
    ASSERT_TRUE(SetFileAttributesW(kept.wstring().c_str(), FILE_ATTRIBUTE_READONLY));
    for (const char* output : {"Demo.gro", "CON.gro", "nul", "Aux.tex.gro", "com1.gro", "Map.gro "}) {
        const CliRun run =
            korvane({"pack", "--root", root(), "--output", scratch_.root() + output, "Levels\\DemoCastle.wld"});
        EXPECT_EQ(run.code, 1) << output;
        EXPECT_EQ(run.err, "Error: The file is not writable!\n") << output;
        EXPECT_EQ(folderNames(scratch_.path()), std::vector<std::string>{"Demo.gro"}) << output;
    }
    SetFileAttributesW(kept.wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFile(kept), "the previous archive");
}

} // namespace
} // namespace korvane::testing
