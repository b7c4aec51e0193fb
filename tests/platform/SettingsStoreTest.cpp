#include "platform/SettingsStore.h"
#include "support/ExpectError.h"
#include "support/ScopedEnvironment.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(SettingsStore, WritesAndReadsStringValuesUnderKeys) {
    TempDir dir;
    FileSettingsStore store(dir.path() / "config/korvane/settings.reg");
    EXPECT_EQ(store.readString("\\Software\\Korvane", "SSPath15"), std::nullopt); // no file yet
    store.writeString("\\Software\\Korvane", "SSPath15", "/games/Serious Sam \"TSE\"\\/");
    EXPECT_EQ(readFile(store.file()), "Windows Registry Editor Version 5.00\n\n"
                                      "[\\Software\\Korvane]\n"
                                      "\"SSPath15\"=\"/games/Serious Sam \\\"TSE\\\"\\\\/\"\n");
    EXPECT_EQ(store.readString("\\Software\\Korvane", "SSPath15"), "/games/Serious Sam \"TSE\"\\/");
    // Keys and value names ignore letter case, as the registry does.
    EXPECT_EQ(store.readString("\\SOFTWARE\\korvane", "sspath15"), "/games/Serious Sam \"TSE\"\\/");
    EXPECT_EQ(store.readString("\\Software\\Korvane", "Other"), std::nullopt);
    EXPECT_EQ(store.readString("\\Software\\Croteam\\SeriousSam", "Path"), std::nullopt);

    store.writeString("\\Software\\Korvane", "SSPath15", "/new/\nroot/");
    store.writeString("\\Software\\Korvane", "Second", "");
    EXPECT_EQ(store.readString("\\Software\\Korvane", "SSPath15"), "/new/\nroot/");
    EXPECT_EQ(store.readString("\\Software\\Korvane", "Second"), "");
}

TEST(SettingsStore, ReadsTheGameKeysFromAnExport) {
    TempDir dir;
    const auto file = dir.write("settings.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Croteam\\SeriousSamSE]\r\n"
                                                "\"Path\"=\"/games/tse\"\r\n"
                                                "; a comment\r\n"
                                                "[\\Software\\Croteam\\SeriousSam]\r\n"
                                                "\"Path\"=\"/games/tfe\"\r\n"
                                                "\"Version\"=dword:0000006b\r\n"
                                                "\"SSPath15\"=hex(2):2f,00\r\n");
    FileSettingsStore store(file);
    EXPECT_EQ(store.readString("\\Software\\Croteam\\SeriousSamSE", "Path"), "/games/tse");
    EXPECT_EQ(store.readString("\\Software\\Croteam\\SeriousSam", "Path"), "/games/tfe");
    testing::expectError<SettingsError>([&] { store.readString("\\Software\\Croteam\\SeriousSam", "Version"); },
                                        "Invalid data type for 'Version'");
    // Writing keeps what the file already held.
    store.writeString("\\Software\\Korvane", "SSPath15", "/games/tse/");
    EXPECT_EQ(store.readString("\\Software\\Croteam\\SeriousSamSE", "Path"), "/games/tse");
    EXPECT_THROW(store.readString("\\Software\\Croteam\\SeriousSam", "Version"), SettingsError);
    EXPECT_EQ(store.readString("\\Software\\Korvane", "SSPath15"), "/games/tse/");
}

TEST(SettingsStore, AFailedWriteReportsAndKeepsTheOldFile) {
    TempDir dir;
    const auto file = dir.write("settings.reg", "[\\Software\\Korvane]\n\"SSPath15\"=\"/old/\"\n");
    FileSettingsStore blocked(dir.path() / "settings.reg/inside.reg"); // its folder is a file
    testing::expectError<SettingsError>([&] { blocked.writeString("\\Software\\Korvane", "SSPath15", "/new/"); },
                                        "Failed to set data for 'SSPath15'");
    EXPECT_EQ(FileSettingsStore(file).readString("\\Software\\Korvane", "SSPath15"), "/old/");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SettingsStore, LivesWhereTheEnvironmentSays) {
    testing::ScopedEnvironment environment;
    const auto set = [&](const char* name, const char* value) { environment.set(name, value); };
    set("KORVANE_SETTINGS", "/tmp/demo/settings.reg");
    set("XDG_CONFIG_HOME", "/home/u/.cfg");
    set("HOME", "/home/u");
    EXPECT_EQ(FileSettingsStore::defaultLocation(), "/tmp/demo/settings.reg");
    set("KORVANE_SETTINGS", "");
    EXPECT_EQ(FileSettingsStore::defaultLocation(), "/home/u/.cfg/korvane/settings.reg");
    set("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(FileSettingsStore::defaultLocation(), "/home/u/.config/korvane/settings.reg");
    set("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(FileSettingsStore::defaultLocation(), "/home/u/.config/korvane/settings.reg");
}

} // namespace
} // namespace korvane
