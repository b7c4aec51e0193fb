#include "platform/GamePath.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>

namespace korvane {
namespace {

using testing::TempDir;

TEST(GamePath, FindsGamePathsIgnoringCaseWithEitherSeparator) {
    TempDir dir;
    dir.write("models/foo.tex", "x");
    const auto expected = dir.path() / "models/foo.tex";
    EXPECT_EQ(resolveExisting(dir.root() + "Models\\Foo.TEX"), expected);
    EXPECT_EQ(resolveExisting(dir.root() + "MODELS/foo.tex"), expected);
    EXPECT_EQ(resolveExisting(dir.root() + "models\\\\FOO.tex"), expected);
    EXPECT_TRUE(fileExists(dir.root() + "Models\\Foo.TEX"));
    EXPECT_FALSE(fileExists(dir.root() + "Models\\Bar.TEX"));
    EXPECT_FALSE(resolveExisting(dir.root() + "Textures\\Foo.tex"));
}

TEST(GamePath, PrefersTheExactSpellingOverAnotherCase) {
    TempDir dir;
    dir.write("Textures/Wall.tex", "upper");
    dir.write("textures/wall.tex", "lower");
    dir.write("textures/Wall.TEX", "mixed");
    EXPECT_EQ(resolveExisting(dir.root() + "textures\\Wall.TEX"), dir.path() / "textures/Wall.TEX");
    EXPECT_EQ(resolveExisting(dir.root() + "Textures\\Wall.tex"), dir.path() / "Textures/Wall.tex");
    // Without an exact spelling the first name in byte order is taken, the same one every time.
    EXPECT_EQ(resolveExisting(dir.root() + "TEXTURES\\WALL.TEX"), dir.path() / "Textures/Wall.tex");
}

TEST(GamePath, AFolderIsNotAFile) {
    TempDir dir;
    dir.write("Music/readme.txt", "x");
    dir.write("sounds/a.wav", "x");
    EXPECT_FALSE(fileExists(dir.root() + "Music"));
    EXPECT_TRUE(folderExists(dir.root() + "music"));
    EXPECT_FALSE(folderExists(dir.root() + "Music\\readme.txt"));
    // A file spelled like a folder in another case does not hide the folder on the way.
    dir.write("Sounds", "a file named like the folder");
    EXPECT_EQ(resolveExisting(dir.root() + "Sounds\\A.wav"), dir.path() / "sounds/a.wav");
    EXPECT_TRUE(fileExists(dir.root() + "SOUNDS"));
    // Links count as what they point to.
    std::filesystem::create_directory_symlink(dir.path() / "sounds", dir.path() / "Linked");
    std::filesystem::create_symlink(dir.path() / "sounds/a.wav", dir.path() / "Music/Tune.wav");
    EXPECT_EQ(resolveExisting(dir.root() + "LINKED\\a.wav"), dir.path() / "Linked/a.wav");
    EXPECT_TRUE(folderExists(dir.root() + "linked"));
    EXPECT_TRUE(fileExists(dir.root() + "Music\\tune.WAV"));
    EXPECT_FALSE(folderExists(dir.root() + "Music\\tune.WAV"));
}

TEST(GamePath, FolderChangesAreSeenAfterAnEarlierLookup) {
    TempDir dir;
    dir.write("Levels/One.wld", "x");
    // An old folder time lets the listing be kept for reuse.
    std::filesystem::last_write_time(dir.path() / "Levels",
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_TRUE(fileExists(dir.root() + "levels\\one.wld"));
    EXPECT_FALSE(fileExists(dir.root() + "levels\\two.wld"));
    dir.write("Levels/Two.wld", "x");
    EXPECT_TRUE(fileExists(dir.root() + "levels\\two.wld"));
    std::filesystem::remove(dir.path() / "Levels/One.wld");
    EXPECT_FALSE(fileExists(dir.root() + "levels\\one.wld"));
}

TEST(GamePath, ResolvesForCreateKeepingTheSpellingOnDisk) {
    TempDir dir;
    dir.write("Temp/KVN_gros.dat", "");
    EXPECT_EQ(resolveForCreate(dir.root() + "temp\\kvn_GROS.dat"), dir.path() / "Temp/KVN_gros.dat");
    EXPECT_EQ(resolveForCreate(dir.root() + "TEMP\\New.dat"), dir.path() / "Temp/New.dat");
    EXPECT_FALSE(resolveForCreate(dir.root() + "Missing\\New.dat"));
    EXPECT_FALSE(resolveForCreate(dir.root() + "Temp\\"));
}

TEST(GamePath, LongNamesCostWorkInProportionToTheirLevels) {
    TempDir dir;
    std::string onDisk;
    std::string upper;
    std::string absent;
    for (int i = 0; i < 200; ++i) {
        onDisk += "lvl/";
        upper += "LVL\\";
    }
    for (int i = 0; i < 20000; ++i) {
        absent += "x\\";
    }
    dir.write(onDisk + "wall.tex", "x");
    // Each level in another letter case costs a failed status query, a listing and a query that holds; the
    // root's own few levels come on top.
    auto before = pathLookups();
    EXPECT_EQ(lookUpGameFile(dir.root(), upper + "WALL.tex").status, GameFileStatus::Present);
    EXPECT_LE(pathLookups() - before, 3u * 201 + 16);
    // A name of 20,000 levels whose first level is absent ends there.
    before = pathLookups();
    EXPECT_EQ(lookUpGameFile(dir.root(), absent + "wall.tex").status, GameFileStatus::Missing);
    EXPECT_LE(pathLookups() - before, 16u);
}

TEST(GamePath, LinksThatStayInsideWorkAndLinksThatLeaveDoNot) {
    TempDir dir;
    dir.write("Outside/SECRET.tex", "secret");
    dir.write("Game/Bin/SeriousSam.exe", "");
    dir.write("Game/Textures/Real/Wall.tex", "wall");
    dir.write("Game/Next.tex", "next to the linked folder's parent");
    const std::string root = dir.root() + "Game/";
    std::filesystem::create_directory_symlink(dir.path() / "Outside", dir.path() / "Game/Textures/Outside");
    std::filesystem::create_directory_symlink("..", dir.path() / "Game/Textures/Up");
    std::filesystem::create_directory_symlink("Real", dir.path() / "Game/Textures/Inner");
    std::filesystem::create_directory_symlink("..", dir.path() / "Game/Up");
    std::filesystem::create_symlink(dir.path() / "Outside/SECRET.tex", dir.path() / "Game/Textures/Real/Link.tex");
    // Its folder's location is known from the file before it; the link itself still leads out.
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Real\\Wall.tex").status, GameFileStatus::Present);
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Real\\Link.tex").status, GameFileStatus::LeadsOutside);
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Outside\\SECRET.tex").status, GameFileStatus::LeadsOutside);
    EXPECT_EQ(lookUpGameFile(root, "Up\\Outside\\SECRET.tex").status, GameFileStatus::LeadsOutside);
    const GameFile inner = lookUpGameFile(root, "textures\\inner\\WALL.tex");
    EXPECT_EQ(inner.status, GameFileStatus::Present);
    EXPECT_EQ(inner.path, dir.path() / "Game/Textures/Inner/Wall.tex");
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Up\\Next.tex").status, GameFileStatus::Present);
    EXPECT_EQ(lookUpGameFile(root, "Textures\\Up\\Textures\\Gone.tex").status, GameFileStatus::Missing);
}

TEST(GamePath, NamesThatClimbOrAreNotRelativeAreNeverLookedUp) {
    TempDir dir;
    dir.write("Sources/WorldEditor/keep", "");
    dir.write("TexturesSH/floor/tiles.tex", "x");
    // Present on disk by the letter of the path, yet no name the game can look up in an archive.
    EXPECT_EQ(lookUpGameFile(dir.root(), "Sources\\WorldEditor\\..\\..\\TexturesSH\\floor\\tiles.tex").status,
              GameFileStatus::ClimbsUp);
    EXPECT_EQ(lookUpGameFile(dir.root(), "Gone\\..\\TexturesSH\\floor\\tiles.tex").status, GameFileStatus::ClimbsUp);
    EXPECT_EQ(lookUpGameFile(dir.root(), "TexturesSH\\.\\floor\\tiles.tex").status, GameFileStatus::Present);
    for (const std::string_view name :
         {std::string_view(""), std::string_view("\\Windows\\win.ini"), std::string_view("/etc/passwd"),
          std::string_view("\\\\server\\share\\x"), std::string_view("C:\\boot.ini"), std::string_view("c:boot.ini"),
          std::string_view("a\0b", 3)}) {
        EXPECT_EQ(lookUpGameFile(dir.root(), name).status, GameFileStatus::NotRelative) << name;
    }
}

TEST(GamePath, ExtensionsAndAsciiComparison) {
    EXPECT_EQ(extensionOf("Textures\\Wall.tex"), ".tex");
    EXPECT_EQ(extensionOf("a.b\\Readme"), "");
    EXPECT_EQ(extensionOf("a.b/Readme"), "");
    EXPECT_EQ(extensionOf("C.x:stream"), "");
    EXPECT_EQ(extensionOf("archive.tar.gz"), ".gz");
    EXPECT_EQ(extensionOf("name."), ".");
    EXPECT_TRUE(equalsAsciiNoCase(".TeX", ".tex"));
    EXPECT_FALSE(equalsAsciiNoCase(".tex", ".te"));
    // Only ASCII letters fold: Cyrillic upper and lower case stay different.
    EXPECT_FALSE(equalsAsciiNoCase("\xD0\x96", "\xD0\xB6"));
}

} // namespace
} // namespace korvane
