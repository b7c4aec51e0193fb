// Disk-file masks and stored names: the rules that decide what AddFiles takes and under which name.
#include "archive/internal/FileMasks.h"
#include "archive/internal/StoredNames.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(SelectMasks, WildcardRuleIgnoresAsciiCaseAndTreatsBracketsPlainly) {
    EXPECT_TRUE(MatchesMask("Song.MP3", "*.mp3"));
    EXPECT_TRUE(MatchesMask("Wall.tex", "W?ll.*"));
    EXPECT_TRUE(MatchesMask("a", "*?")); // a '?' right after '*' adds nothing
    EXPECT_TRUE(MatchesMask("", "*"));
    EXPECT_TRUE(MatchesMask("[x].txt", "[x].txt"));
    EXPECT_FALSE(MatchesMask("x.txt", "[x].txt"));
    EXPECT_FALSE(MatchesMask("Readme", "*.*"));
    EXPECT_FALSE(MatchesMask("Wall.tex", "Wall.te"));
    EXPECT_TRUE(MatchesMask("aXbXc", "*X*X*"));
    EXPECT_FALSE(MatchesMask("aXb", "*X*X*"));
    // A multi-byte character is one character for '?' and matches its other letter case.
    EXPECT_TRUE(MatchesMask("\xD0\x97\xD0\xB2.wav", "??.WAV"));
    EXPECT_TRUE(MatchesMask("\xD0\x97\xD0\xB2.wav", "\xD0\xB7*"));
    EXPECT_FALSE(MatchesMask("\xD0\x97\xD0\xB2.wav", "?.wav"));
}

TEST(SelectMasks, FullMaskJoinsRelativeMasksAndKeepsTheOthers) {
    EXPECT_EQ(GetFullMask("Textures\\Wall.tex", "/game").mask, "/game/Textures/Wall.tex");
    EXPECT_TRUE(GetFullMask("Textures\\Wall.tex", "/game/").relative);
    const auto climbing = GetFullMask("..\\secret\\*.*", "/game");
    EXPECT_FALSE(climbing.relative);
    EXPECT_EQ(climbing.mask, "../secret/*.*");
    EXPECT_FALSE(GetFullMask("C:\\Games\\*.tex", "/game").relative);
    EXPECT_EQ(GetFullMask("/home/user/Map.gro", "/game").mask, "/home/user/Map.gro");
    EXPECT_EQ(GetFullMask("\\Levels\\*.wld", "/game").mask, "/game/Levels/*.wld");
    EXPECT_EQ(GetFullMask("\\", "/game/").mask, "/game");
}

TEST(SelectMasks, ExternalRuleMatchesNameMasksAnywhereAndFullPathsOnlyThere) {
    EXPECT_TRUE(IsExternalFileMatchMask("/game/Music/Deep/Song.MP3", "*.mp3", false, "/game", "/game/"));
    EXPECT_FALSE(IsExternalFileMatchMask("/game/Music/Song.mp3.txt", "*.mp3", false, "/game", "/game/"));
    EXPECT_TRUE(IsExternalFileMatchMask("/game/any/thing", "*.*", false, "/game", ""));
    EXPECT_TRUE(IsExternalFileMatchMask("/out/Map.gro", "/out/Map.gro", false, "/game", "/game/"));
    EXPECT_TRUE(IsExternalFileMatchMask("/OUT/map.GRO", "/out/Map.gro", false, "/game", "/game/"));
    EXPECT_FALSE(IsExternalFileMatchMask("/out/Map2.gro", "/out/Map.gro", false, "/game", "/game/"));
    EXPECT_FALSE(IsExternalFileMatchMask("/out/sub/Map.gro", "/out/Map.gro", false, "/game", "/game/"));
    EXPECT_TRUE(IsExternalFileMatchMask("/out/sub/x.txt", "/out/*.*", false, "/game", "/game/"));
    EXPECT_TRUE(IsExternalFileMatchMask("/game/Old", "Old", true, "/game", "/game/"));
    EXPECT_FALSE(IsExternalFileMatchMask("/game/New", "Old", true, "/game", "/game/"));
}

TEST(SelectMasks, StoredNamesAreRelativeWithForwardSlashes) {
    EXPECT_EQ(storedNameOf("/game/Textures/Wall.tex", "/game/", spRelativePath), "Textures/Wall.tex");
    EXPECT_EQ(storedNameOf("/GAME/Textures/Wall.tex", "/game", spRelativePath), "Textures/Wall.tex");
    EXPECT_EQ(storedNameOf("/game/Textures/Wall.tex", "/game", spNoPath), "Wall.tex");
    EXPECT_EQ(storedNameOf("/game/Textures/Wall.tex", "/game", spFullPath), "game/Textures/Wall.tex");
    EXPECT_EQ(storedNameOf("/game/Models/", "/game", spRelativePath), "Models");
    EXPECT_EQ(storedNameOf("Sub\\File.txt", "/game", spRelativePath), "Sub/File.txt");
    EXPECT_EQ(storedNameOf("C:", "/game", spNoPath), "");
}

TEST(SelectMasks, NoStoredNameIsAbsoluteHasADriveOrClimbsOut) {
    const char* hostile[] = {"/etc/passwd",          "../../etc/passwd", "/game/../../etc/x", "C:\\Windows\\x.dll",
                             "\\\\server\\share\\x", "/game/a/../../b",  "/game/x:..",        "/game/c:/../y",
                             "//server/share/z",     "/game/./a/./b",    "/game/a:/..",       ".."};
    for (const auto mode : {spNoPath, spRelativePath, spFullPath}) {
        for (const char* name : hostile) {
            const auto stored = storedNameOf(name, "/game/", mode);
            EXPECT_FALSE(!stored.empty() && (stored.front() == '/' || stored.front() == '\\')) << name;
            EXPECT_EQ(stored.find(':'), std::string::npos) << name;
            EXPECT_EQ(stored.find('\\'), std::string::npos) << name;
            const auto padded = "/" + stored + "/";
            EXPECT_EQ(padded.find("/../"), std::string::npos) << name << " -> " << stored;
            EXPECT_EQ(padded.find("/./"), std::string::npos) << name << " -> " << stored;
            EXPECT_EQ(padded.find("//"), stored.empty() ? 0u : std::string::npos) << name << " -> " << stored;
        }
    }
    EXPECT_EQ(storedNameOf("/etc/passwd", "/game/", spRelativePath), "etc/passwd");
    EXPECT_EQ(storedNameOf("\\\\server\\share\\x", "/game/", spRelativePath), "share/x");
}

} // namespace
} // namespace korvane
