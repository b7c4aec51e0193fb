// Which edition an installation is, told by empty stand-ins of its archives.
#include "settings/EditionDetection.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using namespace std::string_literals;

class EditionsTest : public ::testing::Test {
protected:
    testing::TempDir install;
    std::string root = install.root();

    void archives(const Names& names) const {
        for (const std::string& name : names) {
            install.write(name, "");
        }
    }
    // The edition found and the archives it lists here.
    std::pair<std::string, Names> found() const {
        const Edition* edition = detectEdition(root);
        return edition == nullptr ? std::pair<std::string, Names>{}
                                  : std::pair{edition->title, editionArchives(*edition, root)};
    }
};

const Names kSecondEncounter107{"SE1_00.gro",       "SE1_00_Extra.gro", "SE1_00_ExtraTools.gro",
                                "SE1_00_Music.gro", "1_04_patch.gro",   "1_07_tools.gro"};
const Names kFirstEncounter105{"1_00.gro", "1_00_music.gro", "1_00_ExtraTools.gro", "1_04_patch.gro"};

TEST_F(EditionsTest, SecondEncounterEditions) {
    archives(kSecondEncounter107);
    EXPECT_EQ(found(), std::pair("The Second Encounter v1.07"s, kSecondEncounter107));
    EXPECT_EQ(guessWizardVersion(root).item, 0);

    // The 1.10 update adds its own archive; the optional ones are listed where they are.
    archives({"SE1_10.gro", "SE1_00_Logo.gro"});
    Names later = kSecondEncounter107;
    later.insert(later.end(), {"SE1_10.gro", "SE1_00_Logo.gro"});
    EXPECT_EQ(found(), std::pair("The Second Encounter v1.10"s, later));
    const VersionGuess guess = guessWizardVersion(root);
    EXPECT_EQ(guess.item, 2);
    EXPECT_EQ(guess.archives, later);
    EXPECT_EQ(guess.text, "Found The Second Encounter v1.10.");
}

TEST_F(EditionsTest, FirstEncounterEditions) {
    archives(kFirstEncounter105);
    EXPECT_EQ(found(), std::pair("The First Encounter v1.05"s, kFirstEncounter105));
    EXPECT_EQ(guessWizardVersion(root).item, 1);

    // The 1.00c release's archives beside the 1.05 ones, as some installations come.
    archives({"1_00c.gro", "1_00_a.gro", "1_00c_scripts.gro"});
    EXPECT_EQ(found(), std::pair("The First Encounter v1.05 (1.00c)"s,
                                 Names{"1_00.gro", "1_00c.gro", "1_00_a.gro", "1_00c_scripts.gro", "1_00_music.gro",
                                       "1_00_ExtraTools.gro", "1_04_patch.gro"}));
}

TEST_F(EditionsTest, DigitalStoreFirstEncounterHasNoPlainBaseArchive) {
    archives({"1_00c.gro", "1_00c_Logo.gro", "1_00c_scripts.gro", "1_00_music.gro", "1_00_ExtraTools.gro",
              "1_04_patch.gro"});
    EXPECT_EQ(found(), std::pair("The First Encounter v1.05 (1.00c)"s,
                                 Names{"1_00c.gro", "1_00c_scripts.gro", "1_00c_Logo.gro", "1_00_music.gro",
                                       "1_00_ExtraTools.gro", "1_04_patch.gro"}));
}

TEST_F(EditionsTest, RevolutionHasItsTwoArchives) {
    archives({"All_01.gro", "All_02.gro"});
    EXPECT_EQ(found(), std::pair("Serious Sam Classics: Revolution"s, Names{"All_01.gro", "All_02.gro"}));
}

TEST_F(EditionsTest, IncompleteOrUnknownArchivesMatchNoEdition) {
    archives({"SE1_00.gro", "SE1_00_Extra.gro", "Base.gro"});
    EXPECT_EQ(detectEdition(root), nullptr);
    const VersionGuess guess = guessWizardVersion(root);
    EXPECT_EQ(guess.item, 2);
    EXPECT_TRUE(guess.archives.empty());
    EXPECT_EQ(guess.text, std::string(kNoEditionFound) + "\nPlease choose \"Другой\" and list its standard archives.");
}

} // namespace
} // namespace korvane
