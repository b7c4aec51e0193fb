// Which disk files an AddFiles call takes, and the names they are stored under.
#include "WriteSupport.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/xattr.h>

namespace korvane::testing {
namespace {

class SelectWalk : public WriteFixture {
protected:
    std::vector<std::string> storedNames() {
        const auto view = readZip(readFile(archive));
        EXPECT_TRUE(view.ok);
        std::vector<std::string> names;
        for (const auto& entry : view.entries) {
            names.push_back(entry.name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SelectWalk, RelativeNameIsAlsoTriedUnderEverySubFolderOfItsFolder) {
    base.write("Textures/Wall.tex", "wall");
    base.write("Textures/Old/Textures/Wall.tex", "older wall");
    base.write("Textures/Old/Wall.tex", "not under a Textures folder of its own");
    base.write("Other/Textures/Wall.tex", "outside the mask's folder");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Textures\\Wall.tex", kSearchAttrFiles, "");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Textures/Old/Textures/Wall.tex", "Textures/Wall.tex"}));
}

TEST_F(SelectWalk, NameWithoutFolderFindsEveryFileOfThatNameButNotInDotFolders) {
    base.write("Readme.txt", "top");
    base.write("Mods/Readme.txt", "mods");
    base.write("Mods/Deep/README.TXT", "deep");
    base.write(".cache/Readme.txt", "hidden folder");
    base.write("Mods/Readme.txt.bak", "other name");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Readme.txt", kSearchAttrFiles, "");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Mods/Deep/README.TXT", "Mods/Readme.txt", "Readme.txt"}));
}

TEST_F(SelectWalk, FoldersResolveIgnoringCaseAndAreStoredAsSpelledOnDisk) {
    base.write("textures/walls/Brick.TEX", "brick");
    auto engine = createArchive(archive, base.root());
    std::vector<std::string> confirmed;
    engine->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation operation,
                                       bool& confirm) {
        EXPECT_EQ(operation, poAdd);
        EXPECT_TRUE(confirm);
        confirmed.push_back(name);
    };
    engine->AddFiles("Textures\\Walls\\brick.tex", kSearchAttrFiles, "");
    EXPECT_EQ(confirmed, std::vector<std::string>{base.root() + "Textures/Walls/Brick.TEX"});
    EXPECT_EQ(contentOf(readZip(readFile(archive)).entries.at(0)), "brick");
    // The game folds ASCII letters alone: a folder that differs in other letters keeps the spelling asked for
    // (stored in Windows-1251).
    base.write("Textures/\xD0\x9F\xD0\xB5\xD1\x80\xD1\x84/a.tex", "a");
    engine->AddFiles("TEXTURES\\\xD0\x9F\xD0\x95\xD0\xA0\xD0\xA4\\a.tex", kSearchAttrFiles, "");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Textures/\xCF\xC5\xD0\xD4/a.tex", "textures/walls/Brick.TEX"}));
}

TEST_F(SelectWalk, ConfirmFalseSkipsAFileAndFilesWithoutSearchedAttributesAreNeverOffered) {
    base.write("Take.txt", "take");
    base.write("Skip.txt", "skip");
    const auto plain = base.write("Plain.txt", "no attribute bits at all");
    const bool marked = ::setxattr(plain.c_str(), "user.DOSATTRIB", "0x0", 3, 0) == 0;
    auto engine = createArchive(archive, base.root());
    std::vector<std::string> offered;
    engine->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool& confirm) {
        offered.push_back(name.substr(name.rfind('/') + 1));
        confirm = !name.ends_with("Skip.txt");
    };
    engine->AddFiles("*.txt", kSearchAttrFiles, "");
    // Without extended attributes on this file system the file keeps its archive bit and is taken.
    const auto expected =
        marked ? std::vector<std::string>{"Take.txt"} : std::vector<std::string>{"Plain.txt", "Take.txt"};
    EXPECT_EQ(storedNames(), expected);
    if (marked) {
        EXPECT_EQ(offered, (std::vector<std::string>{"Skip.txt", "Take.txt"}));
    }
}

TEST_F(SelectWalk, TheArchiveItselfIsNeverAddedEvenThroughALinkedBase) {
    const auto inside = base.path() / "Map.gro";
    base.write("Levels/Level.wld", "world");
    const auto linked = out.path() / "link";
    std::filesystem::create_directory_symlink(base.path(), linked);
    auto engine = createArchive(inside, linked.string() + "/");
    engine->AddFiles("*.*", kSearchAttrFiles, "");
    engine->AddFiles("Map.gro", kSearchAttrFiles, "");
    engine->CloseArchive();
    const auto view = readZip(readFile(inside));
    ASSERT_TRUE(view.ok);
    ASSERT_EQ(view.entries.size(), 1u);
    EXPECT_EQ(view.entries[0].name, "Levels/Level.wld");
}

TEST_F(SelectWalk, MissingBaseFindsNothingAndTheArchiveStaysValid) {
    base.write("Readme.txt", "x");
    auto engine = createArchive(archive, (base.path() / "Missing").string() + "/");
    bool offered = false;
    engine->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, bool&) {
        offered = true;
    };
    const auto before = std::filesystem::current_path();
    engine->AddFiles("Readme.txt", kSearchAttrFiles, "");
    EXPECT_FALSE(offered);
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_EQ(readFile(archive).size(), 22u); // the directory of no entries was written
}

TEST_F(SelectWalk, MasksThatClimbOutStillGiveNamesInsideTheArchive) {
    TempDir outside;
    outside.write("Secret/Key.txt", "key");
    const auto climb = "..\\" + outside.path().filename().string() + "\\Secret\\*.txt";
    auto engine = createArchive(archive, base.root());
    engine->AddFiles(climb, kSearchAttrFiles, "");
    engine->AddFiles((outside.path() / "Secret" / "Key.txt").string(), kSearchAttrFiles, "");
    const auto names = storedNames();
    ASSERT_EQ(names.size(), 1u); // both calls name the same file: the second replaced the first
    EXPECT_TRUE(names[0].ends_with("/Secret/Key.txt"));
    EXPECT_NE(names[0].front(), '/');
    EXPECT_EQ(("/" + names[0]).find("/../"), std::string::npos);
    engine->CloseArchive();
    expectToolsAgree(archive, {{names[0], "key"}});
}

} // namespace
} // namespace korvane::testing
