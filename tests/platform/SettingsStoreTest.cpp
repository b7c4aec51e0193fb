#include "platform/SettingsStore.h"

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
    try {
        store.readString("\\Software\\Croteam\\SeriousSam", "Version");
        FAIL() << "a number read as text";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Version'");
    }
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
    try {
        blocked.writeString("\\Software\\Korvane", "SSPath15", "/new/");
        FAIL() << "the write cannot have worked";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'SSPath15'");
    }
    EXPECT_EQ(FileSettingsStore(file).readString("\\Software\\Korvane", "SSPath15"), "/old/");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

class Environment : public ::testing::Test {
protected:
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    void set(const std::string& name, const char* value) {
        if (!saved_.contains(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            ::setenv(name.c_str(), value, 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(Environment, SettingsLiveWhereTheEnvironmentSays) {
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
