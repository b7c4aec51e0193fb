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

TEST(GamePath, SafeGamePathsStayInsideTheRoot) {
    EXPECT_TRUE(isSafeGamePath("Textures\\Wall.tex"));
    EXPECT_TRUE(isSafeGamePath("Textures/Old/../Wall.tex"));
    EXPECT_TRUE(isSafeGamePath("a\\.\\b"));
    EXPECT_FALSE(isSafeGamePath(""));
    EXPECT_FALSE(isSafeGamePath("\\Windows\\win.ini"));
    EXPECT_FALSE(isSafeGamePath("/etc/passwd"));
    EXPECT_FALSE(isSafeGamePath("\\\\server\\share\\x"));
    EXPECT_FALSE(isSafeGamePath("C:\\boot.ini"));
    EXPECT_FALSE(isSafeGamePath("c:boot.ini"));
    EXPECT_FALSE(isSafeGamePath("..\\x"));
    EXPECT_FALSE(isSafeGamePath("Textures\\..\\..\\x"));
    EXPECT_FALSE(isSafeGamePath("Textures/../../x"));
    EXPECT_FALSE(isSafeGamePath(std::string_view("a\0b", 3)));
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
