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
    // Packing reads it through the handle checked to lie inside the game folder.
    const std::string root = dir.root();
    EXPECT_EQ(lookUpGameFile(root, deep.substr(root.size()) + "\\Карта.wld").status, GameFileStatus::Present);
    EXPECT_TRUE(openInside(*found, root).handle.valid());
}

TEST(WindowsFiles, DeviceNamesAndTrailingDotsOrSpacesNameNoOtherFile) {
    TempDir dir;
    dir.write("Textures/Wall.tex", "wall");
    const std::string root = dir.root();
    for (const char* name : {"Textures\\Wall.tex.", "Textures\\Wall.tex ", "Textures\\Wall.tex. .", "Textures\\CON",
                             "Textures\\con.tex", "NUL", "Textures\\AUX.tex", "COM1.wld", "lpt1"}) {
        EXPECT_EQ(lookUpGameFile(root, name).status, GameFileStatus::Missing) << name;
        EXPECT_EQ(readWholeFile(root + name), std::nullopt) << name;
    }
    // A file really spelled with a trailing dot is found as itself, and only as itself.
    const std::wstring odd = L"\\\\?\\" + (dir.path() / "Textures" / "Odd.tex.").wstring();
    const HANDLE file = CreateFileW(odd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Odd.tex.").status, GameFileStatus::Present);
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Odd.tex").status, GameFileStatus::Missing);
    EXPECT_EQ(readWholeFile(root + "Textures\\Odd.tex."), "");
    // The standard library cannot name it to remove it with the folder.
    EXPECT_TRUE(DeleteFileW(odd.c_str()));
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
