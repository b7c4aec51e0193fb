#include "settings/InstallDetection.h"

#include "platform/GamePath.h"
#include "settings/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane {
namespace {

using testing::MemorySettingsStore;
using testing::TempDir;

constexpr const char* kSeKey = "\\Software\\Croteam\\SeriousSamSE";
constexpr const char* kFeKey = "\\Software\\Croteam\\SeriousSam";

class InstallDetectionTest : public ::testing::Test {
protected:
    TempDir home;
    DetectionPlaces places{home.path(), home.path() / ".wine", {}};
    MemorySettingsStore settings;

    // A game folder under the fake home with its marker file (spelled as given).
    std::string game(const std::string& relative, const std::string& marker = "Bin/SeriousSam.exe") {
        home.write(relative + "/" + marker, "MZ");
        return (home.path() / relative).make_preferred().string();
    }
    // A path as libraryfolders.vdf quotes it: backslashes doubled.
    static std::string vdfQuoted(const std::filesystem::path& path) {
        std::string quoted;
        for (const char c : path.string()) {
            quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
        }
        return quoted;
    }
};

TEST_F(InstallDetectionTest, GameKeysSecondEncounterWinsAndInvalidFoldersAreSkipped) {
    const std::string se = game("se");
    const std::string fe = game("fe");
    settings.values[{kSeKey, "Path"}] = se;
    settings.values[{kFeKey, "Path"}] = fe;
    EXPECT_EQ(detectFromGameKeys(settings, places), se + kNativeSeparator);

    // A key whose folder lacks the marker is ignored and the other key tried.
    settings.values[{kSeKey, "Path"}] = (home.path() / "nothing").string();
    EXPECT_EQ(detectFromGameKeys(settings, places), fe + kNativeSeparator);

    // A value that is not a string names no folder.
    settings.nonStrings.insert({kSeKey, "Path"});
    EXPECT_EQ(detectFromGameKeys(settings, places), fe + kNativeSeparator);

    settings.values.clear();
    EXPECT_EQ(detectInstallation(settings, places), "");
}

TEST_F(InstallDetectionTest, MarkerIsFoundIgnoringLetterCase) {
    const std::string folder = game("Sam", "BIN/seriousSam.EXE");
    settings.values[{kFeKey, "Path"}] = folder;
    EXPECT_EQ(detectFromGameKeys(settings, places), folder + kNativeSeparator);
}

TEST_F(InstallDetectionTest, WineRegistryMapsDriveLettersThroughDosdevices) {
    game(".wine/drive_c/Program Files/Croteam/Serious Sam");
    std::filesystem::create_directories(home.path() / ".wine/dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", home.path() / ".wine/dosdevices/c:");
    home.write(".wine/system.reg", "WINE REGISTRY Version 2\n"
                                   ";; All keys relative to \\\\Machine\n\n"
                                   "[Software\\\\Croteam\\\\SeriousSamSE] 1700000000\n"
                                   "#time=1d9f\n"
                                   "\"Path\"=\"C:\\\\Program Files\\\\Croteam\\\\Missing\"\n\n"
                                   "[Software\\\\Croteam\\\\SeriousSam] 1700000000\n"
                                   "\"Other\"=\"x\"\n"
                                   "\"Path\"=\"c:\\\\program files\\\\croteam\\\\serious sam\"\n");
    const std::string expected =
        std::filesystem::canonical(home.path() / ".wine/drive_c/Program Files/Croteam/Serious Sam").string() + "/";
    // The key's spelling is lower case; the folder comes back as spelled on disk.
    EXPECT_EQ(detectFromWine(places), expected);
    EXPECT_EQ(detectInstallation(settings, places), expected);
}

TEST_F(InstallDetectionTest, WineRegistryDecodesEscapesAndWow64Keys) {
    game(".wine/drive_c/Игры/Sam");
    std::filesystem::create_directories(home.path() / ".wine/dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", home.path() / ".wine/dosdevices/c:");
    home.write(".wine/system.reg", "[Software\\\\Wow6432Node\\\\Croteam\\\\SeriousSamSE] 1\r\n"
                                   "\"Path\"=\"C:\\\\\\x418\\x433\\x440\\x44b\\\\Sam\"\r\n");
    EXPECT_EQ(detectFromWine(places),
              std::filesystem::canonical(home.path() / ".wine/drive_c/Игры/Sam").string() + "/");
}

TEST_F(InstallDetectionTest, NoWinePrefixOrUnmappedDriveFindsNothing) {
    EXPECT_EQ(detectFromWine(places), "");
    home.write(".wine/system.reg", "[Software\\\\Croteam\\\\SeriousSam] 1\n\"Path\"=\"D:\\\\Sam\"\n");
    EXPECT_EQ(detectFromWine(places), "");
}

TEST_F(InstallDetectionTest, SteamLibrariesAreSearchedSecondEncounterFirst) {
    const auto library = home.path() / "games";
    home.write(".steam/steam/steamapps/libraryfolders.vdf",
               "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + vdfQuoted(library) +
                   "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"41050\"\t\t\"1\"\n\t\t}\n\t}\n}\n");
    game(".steam/steam/steamapps/common/Serious Sam Classic The First Encounter");
    // Without the marker this folder is passed over.
    home.write(".steam/steam/steamapps/common/Serious Sam Classic The Second Encounter/readme.txt", "");
    const std::string second = game("games/steamapps/common/Serious Sam Classic The Second Encounter");
    EXPECT_EQ(detectFromSteam(places), second + kNativeSeparator);

    std::filesystem::remove_all(second);
    EXPECT_EQ(detectFromSteam(places),
              (home.path() / ".steam/steam/steamapps/common/Serious Sam Classic The First Encounter")
                      .make_preferred()
                      .string() +
                  kNativeSeparator);
}

TEST_F(InstallDetectionTest, OldSteamLibraryFormatIsRead) {
    const auto library = home.path() / "old";
    home.write(".steam/steam/steamapps/libraryfolders.vdf", "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\"1\"\n"
                                                            "\t\"1\"\t\"" +
                                                                vdfQuoted(library) + "\"\n}\n");
    const std::string folder = game("old/steamapps/common/Serious Sam Classic The Second Encounter");
    EXPECT_EQ(detectInstallation(settings, places), folder + kNativeSeparator);
}

} // namespace
} // namespace korvane
