// korvane standard build on copies of the demo installation.
#include "CliFixture.h"

#include <filesystem>

namespace korvane::testing {
namespace {

class StandardBuild : public DemoInstallationTest {
protected:
    void SetUp() override {
        std::filesystem::copy(root(), scratch_.path() / "install", std::filesystem::copy_options::recursive);
        std::filesystem::remove_all(scratch_.path() / "install" / "Temp");
    }
    std::string install() const { return scratch_.root() + "install/"; }
    std::string cached(const char* file) const { return readFile(install() + "Temp/" + file); }
};

TEST_F(StandardBuild, ArchiveNamesAsGivenListTheirMembersOnce) {
    scratch_.write("install/Extra.gro", readFile(install() + "SE1_00_Extra.gro"));
    const CliRun run =
        korvane({"standard", "build", "--root", install(), "SE1_00_Extra.gro", install() + "Extra.gro", "SE1_00.gro"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(cached("KVN_gros.dat"), "SE1_00_Extra.gro\r\nExtra.gro\r\nSE1_00.gro\r\n");
    const auto files = splitLines(cached("KVN_files.dat"));
    ASSERT_EQ(files.size(), 9u);
    EXPECT_EQ(files.front(), "Textures\\Extra\\Lava.tex\r");
    EXPECT_EQ(files.back(), "Data\\Messages\\Welcome.txt\r");
    EXPECT_EQ(run.out, "9 standard files from 3 archive names saved to " +
                           std::filesystem::canonical(install()).string() + "/Temp/KVN_files.dat and KVN_gros.dat\n");
}

TEST_F(StandardBuild, APresetWithMissingArchivesIsSavedAndReported) {
    const CliRun run = korvane({"standard", "build", "--root", install(), "--preset", "se107"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err,
              "Some GROs could not be found, please press back\nand make sure you selected the correct version.\n");
    EXPECT_EQ(cached("KVN_gros.dat"), "SE1_00.gro\r\nSE1_00_Extra.gro\r\nSE1_00_ExtraTools.gro\r\n"
                                      "SE1_00_Music.gro\r\n1_04_patch.gro\r\n1_07_tools.gro\r\n");
    EXPECT_EQ(splitLines(cached("KVN_files.dat")).size(), 9u);
}

TEST_F(StandardBuild, AutoNamesTheEditionTheArchivesShow) {
    const CliRun none = korvane({"standard", "build", "--root", install(), "--preset", "auto"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "The archives in this folder match no known edition of the game.\n"
                        "Give its standard archive names instead.\n");
    EXPECT_FALSE(std::filesystem::exists(install() + "Temp"));

    for (const char* name :
         {"SE1_00_ExtraTools.gro", "SE1_00_Music.gro", "1_04_patch.gro", "1_07_tools.gro", "SE1_10.gro"}) {
        scratch_.write(std::string("install/") + name, readFile(install() + "SE1_00_Extra.gro"));
    }
    const CliRun found = korvane({"standard", "build", "--root", install(), "--preset", "auto"});
    EXPECT_EQ(found.code, 0) << found.err;
    EXPECT_EQ(found.outLines().front(), "Found The Second Encounter v1.10.");
    EXPECT_EQ(cached("KVN_gros.dat"), "SE1_00.gro\r\nSE1_00_Extra.gro\r\nSE1_00_ExtraTools.gro\r\nSE1_00_Music.gro\r\n"
                                      "1_04_patch.gro\r\n1_07_tools.gro\r\nSE1_10.gro\r\n");
}

TEST_F(StandardBuild, WrongChoicesSaveNothing) {
    EXPECT_EQ(korvane({"standard", "build", "--root", install(), "--preset", "se107", "SE1_00.gro"}).code, 2);
    EXPECT_EQ(korvane({"standard", "build", "--root", install(), "--preset", "tfe"}).code, 2);
    EXPECT_EQ(korvane({"standard", "build", "--root", install()}).code, 2);

    const CliRun none = korvane({"standard", "build", "--root", install(), "Nothing.gro"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "Please choose at least one valid GRO file\n");

    scratch_.write("install/Broken.gro", "PK but not really");
    const CliRun broken = korvane({"standard", "build", "--root", install(), "SE1_00.gro", "Broken.gro"});
    EXPECT_EQ(broken.code, 1);
    EXPECT_EQ(broken.err, "Archive is damaged. Open failed - Native error: 00048\n");
    EXPECT_FALSE(std::filesystem::exists(install() + "Temp"));
}

} // namespace
} // namespace korvane::testing
