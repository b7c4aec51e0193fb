// The installation as Windows tells it: the game's keys in the machine's registry, written where the 32-bit
// installer writes them, and Steam's own key leading to its library list.
#include "platform/GamePath.h"
#include "settings/InstallDetection.h"
#include "settings/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace korvane {
namespace {

// A branch of keys of the test's own, removed with it.
class TestBranch {
public:
    TestBranch() : name_("\\Software\\KorvaneDetection" + std::to_string(GetCurrentProcessId())) {}
    TestBranch(const TestBranch&) = delete;
    TestBranch& operator=(const TestBranch&) = delete;
    ~TestBranch() {
        const std::wstring key = wide(name_.substr(1));
        RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &opened) == 0) {
            RegDeleteTreeW(opened, nullptr);
            RegCloseKey(opened);
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
        }
    }
    const std::string& name() const { return name_; }

    void write(HKEY root, REGSAM view, const std::string& key, const wchar_t* value, const std::wstring& data) const {
        HKEY opened = nullptr;
        ASSERT_EQ(RegCreateKeyExW(root, wide(name_.substr(1) + key).c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr,
                                  &opened, nullptr),
                  ERROR_SUCCESS);
        const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        EXPECT_EQ(RegSetValueExW(opened, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes),
                  ERROR_SUCCESS);
        RegCloseKey(opened);
    }

private:
    static std::wstring wide(const std::string& text) { return std::filesystem::path(text).wstring(); }
    std::string name_;
};

TEST(RegistryDetection, TheGameKeysOfTheMachineAndSteamsKeyFindTheInstallation) {
    testing::TempDir disk;
    disk.write("Игры/Serious Sam/Bin/SeriousSam.exe", "MZ");
    const auto game = (disk.path() / "Игры/Serious Sam").make_preferred();
    const TestBranch branch;
    const DetectionPlaces places{{}, {}, branch.name()};
    testing::MemorySettingsStore settings;
    EXPECT_EQ(detectInstallation(settings, places), "");

    // A key naming a folder without the game is passed over for the next.
    branch.write(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, "\\Software\\Croteam\\SeriousSamSE", L"Path",
                 (disk.path() / "Missing").wstring());
    branch.write(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, "\\Software\\Croteam\\SeriousSam", L"Path", game.wstring());
    EXPECT_EQ(detectFromRegistry(places), game.string() + kNativeSeparator);
    EXPECT_EQ(detectInstallation(settings, places), game.string() + kNativeSeparator);

    // Steam writes its folder with forward slashes; its library list quotes backslashes.
    const auto library = disk.path() / "Library";
    disk.write("Library/steamapps/common/Serious Sam Classic The Second Encounter/Bin/SeriousSam.exe", "MZ");
    std::string quoted;
    for (const char c : library.string()) {
        quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    disk.write("Steam/steamapps/libraryfolders.vdf",
               "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + quoted + "\"\n\t}\n}\n");
    EXPECT_EQ(detectFromSteam(places), "");
    branch.write(HKEY_CURRENT_USER, 0, "\\Software\\Valve\\Steam", L"SteamPath",
                 (disk.path() / "Steam").generic_wstring());
    EXPECT_EQ(detectFromSteam(places),
              (library / "steamapps/common/Serious Sam Classic The Second Encounter").make_preferred().string() +
                  kNativeSeparator);
}

} // namespace
} // namespace korvane
