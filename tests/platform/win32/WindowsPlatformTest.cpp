// What only Windows has: names past 260 characters, UTF-8 names reaching UTF-16 ones, and the registry.
#include "platform/AtomicFile.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"
#include "platform/SettingsStore.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

TEST(WindowsFiles, DeepFoldersAndCyrillicNamesWorkThroughEveryLayer) {
    TempDir dir;
    std::string deep = dir.path().string();
    for (int level = 0; deep.size() < 300; ++level) {
        deep += "\\Folder" + std::to_string(level);
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + std::filesystem::path(deep).wstring()).c_str(), nullptr));
    }
    const std::string file = deep + "\\Карта.wld";
    ASSERT_TRUE(writeFileAtomically(file, "map"));
    EXPECT_EQ(readWholeFile(file), "map");
    // The name on disk is the Cyrillic one, not its UTF-8 bytes widened one by one.
    EXPECT_TRUE(GetFileAttributesW((L"\\\\?\\" + std::filesystem::path(deep).wstring() + L"\\Карта.wld").c_str()) !=
                INVALID_FILE_ATTRIBUTES);
    const auto found = resolveExisting(deep + "\\КАРТА.WLD");
    ASSERT_TRUE(found);
    EXPECT_EQ(readWholeFile(*found), "map");
}

TEST(WindowsSettings, TheInstallationIsKeptInTheRegistry) {
    ScopedEnvironment environment;
    environment.set("KORVANE_SETTINGS", nullptr);
    const auto store = machineSettings();
    const std::string key = "\\Software\\KorvaneTest" + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(store->readString(key, "SSPath15"), std::nullopt);
    store->writeString(key, "SSPath15", "C:\\Игры\\Serious Sam\\");
    EXPECT_EQ(store->readString(key, "SSPath15"), "C:\\Игры\\Serious Sam\\");
    HKEY root = nullptr;
    const std::wstring wideKey = std::filesystem::path(key.substr(1)).wstring();
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideKey.c_str(), 0, KEY_ALL_ACCESS, &root) == ERROR_SUCCESS) {
        RegCloseKey(root);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, wideKey.c_str());
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, wideKey.c_str());
}

} // namespace
} // namespace korvane::testing
