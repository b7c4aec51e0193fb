// The bytes the writer puts on disk: methods, offsets, stored names and the replaced entry.
#include "WriteSupport.h"
#include "archive/internal/ZipRecords.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using WriteFormat = WriteFixture;

TEST_F(WriteFormat, NoCompressionMasksAreTheOnesSetAtEachCall) {
    base.write("Song.mp3", "sound data, sound data, sound data");
    base.write("Notes.txt", "text data, text data, text data");
    base.write("More.mp3", "sound data, sound data, sound data");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Song.mp3", kSearchAttrFiles, "");
    engine->NoCompressionMasks = {"*.txt"};
    engine->AddFiles("Notes.txt", kSearchAttrFiles, "");
    engine->AddFiles("More.mp3", kSearchAttrFiles, "");
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    EXPECT_EQ(view.entries.at(0).method, 0);
    EXPECT_EQ(view.entries.at(1).method, 0);
    EXPECT_EQ(view.entries.at(2).method, 8);
}

TEST_F(WriteFormat, AReadOnlyFileKeepsItsAttributeBit) {
    base.write("Locked.txt", "kept as it is");
    using std::filesystem::perms;
    std::filesystem::permissions(base.path() / "Locked.txt",
                                 perms::owner_read | perms::group_read | perms::others_read);
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Locked.txt", kSearchAttrFiles, "");
    TZEArchiveItem item;
    ASSERT_TRUE(engine->FindFirst("Locked.txt", item, kSearchAttrFiles, ""));
    EXPECT_EQ(item.ExternalFileAttributes & kAttrReadOnly, kAttrReadOnly);
}

TEST_F(WriteFormat, ModeZeroStoresAndModeSetLaterAppliesToLaterEntries) {
    base.write("Plain.txt", "stored as it is, stored as it is");
    base.write("Packed.txt", "deflated now, deflated now, deflated now");
    auto engine = createArchive(archive, base.root());
    engine->SetCompressionMode(0);
    engine->AddFiles("Plain.txt", kSearchAttrFiles, "");
    engine->SetCompressionMode(9);
    engine->AddFiles("Packed.txt", kSearchAttrFiles, "");
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    EXPECT_EQ(view.entries.at(0).method, 0);
    EXPECT_EQ(view.entries.at(0).raw, "stored as it is, stored as it is");
    EXPECT_EQ(view.entries.at(1).method, 8);
    EXPECT_EQ(contentOf(view.entries.at(1)), "deflated now, deflated now, deflated now");

    // Both read back whole; a member larger than asked for is not read.
    engine->CloseArchive();
    TZipEngine reader("Archiver");
    reader.FileName = archive.string();
    reader.OpenArchive(0);
    TZEArchiveItem item;
    ASSERT_TRUE(reader.FindFirst("Packed.txt", item, kSearchAttrFiles, ""));
    EXPECT_EQ(reader.ReadItemData(item, 100), "deflated now, deflated now, deflated now");
    EXPECT_EQ(reader.ReadItemData(item, 10), std::nullopt);
    ASSERT_TRUE(reader.FindFirst("Plain.txt", item, kSearchAttrFiles, ""));
    EXPECT_EQ(reader.ReadItemData(item, 100), "stored as it is, stored as it is");
}

TEST_F(WriteFormat, SecondCallWritesWhereTheFirstDirectoryStartedAndLeavesNoTraceOfIt) {
    base.write("A.txt", "first file");
    base.write("B.txt", "second file");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("A.txt", kSearchAttrFiles, "");
    const auto firstBytes = readFile(archive);
    const auto firstView = readZip(firstBytes);
    ASSERT_TRUE(firstView.ok);
    const auto firstDirectory = firstBytes.substr(firstView.directoryOffset);
    engine->AddFiles("B.txt", kSearchAttrFiles, "");
    const auto bytes = readFile(archive);
    const auto view = readZip(bytes);
    ASSERT_TRUE(view.ok);
    ASSERT_EQ(view.entries.size(), 2u);
    EXPECT_EQ(view.entries[0].name, "A.txt");
    EXPECT_EQ(view.entries[1].name, "B.txt");
    EXPECT_EQ(view.entries[1].localOffset, firstView.directoryOffset);
    EXPECT_EQ(bytes.find(firstDirectory), std::string::npos);
    EXPECT_EQ(bytes.substr(0, firstView.directoryOffset), firstBytes.substr(0, firstView.directoryOffset));
}

TEST_F(WriteFormat, SameNameInOtherCaseIsReplacedInPlaceAndTheTemporaryFileIsGone) {
    TempDir temp;
    base.write("Textures/Wall.tex", "old wall");
    base.write("Models/Box.mdl", "box model");
    auto engine = createArchive(archive, base.root());
    engine->TempDir = temp.path().string();
    engine->AddFiles("Textures\\Wall.tex", kSearchAttrFiles, "");
    engine->AddFiles("Models\\Box.mdl", kSearchAttrFiles, "");
    std::filesystem::remove_all(base.path() / "Textures");
    base.write("TEXTURES/WALL.TEX", "the new, longer wall");
    std::vector<std::string> started;
    engine->OnFileProgress = [&](TZEBaseArchiver&, const std::string& name, double, TZEProcessOperation operation,
                                 TZEProgressPhase phase, bool&) {
        if (phase == ppStart) {
            started.push_back(name);
            EXPECT_EQ(operation, poUpdate);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
        }
    };
    engine->AddFiles("TEXTURES\\WALL.TEX", kSearchAttrFiles, "");
    EXPECT_EQ(started, std::vector<std::string>{"TEXTURES\\WALL.TEX"});
    EXPECT_TRUE(std::filesystem::is_empty(temp.path()));
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    ASSERT_EQ(view.entries.size(), 2u);
    EXPECT_EQ(view.entries[0].name, "TEXTURES/WALL.TEX");
    EXPECT_EQ(contentOf(view.entries[0]), "the new, longer wall");
    EXPECT_EQ(view.entries[1].name, "Models/Box.mdl");
    EXPECT_EQ(contentOf(view.entries[1]), "box model");
    engine->CloseArchive();
    expectToolsAgree(archive, {{"TEXTURES/WALL.TEX", "the new, longer wall"}, {"Models/Box.mdl", "box model"}});
}

// What unzip and 7z print for the archive's names in a UTF-8 locale; Python and bsdtar read them when the
// tools agree on the members.
std::map<std::string, std::string> toolListings(const std::filesystem::path& archive) {
    const std::map<std::string, std::string> commands{{"unzip", "unzip -Z1"}, {"7z", "7z l -ba"}};
    std::map<std::string, std::string> listings;
    for (const auto& [tool, command] : commands) {
        if (commandExists(tool)) {
            listings[tool] = runCommand("LC_ALL=C.UTF-8 " + command + " " + quoted(archive)).first;
        }
    }
    return listings;
}

TEST_F(WriteFormat, NonAsciiNamesAreStoredAsMapsNameThemWithTheUtf8NameBeside) {
    const std::string cyrillic = "Sounds/\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA.wav";
    base.write("Sounds/\xE2\x99\xAA.wav", "note");
    base.write(cyrillic, "cyrillic");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Sounds\\*.wav", kSearchAttrFiles, "");
    engine->CloseArchive();
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    // Windows-1251, the bytes a map holds for the name and the game compares; a name with a character that
    // has no such byte is kept whole as UTF-8 with flag bit 11.
    const auto* ansi = view.find("Sounds/\xC7\xE2\xF3\xEA.wav");
    const auto* note = view.find("Sounds/\xE2\x99\xAA.wav");
    ASSERT_TRUE(ansi && note);
    EXPECT_EQ(ansi->flags, 0);
    EXPECT_EQ(note->flags, kFlagUtf8Name);
    auto listed = listCopy(archive);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed,
              (std::vector<std::string>{"Sounds\\\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA.wav", "Sounds\\\xE2\x99\xAA.wav"}));
    for (const auto& [tool, output] : toolListings(archive)) {
        EXPECT_NE(output.find(cyrillic), std::string::npos) << tool << ":\n" << output;
        EXPECT_NE(output.find("Sounds/\xE2\x99\xAA.wav"), std::string::npos) << tool << ":\n" << output;
    }
    expectToolsAgree(archive, {{"Sounds/\xE2\x99\xAA.wav", "note"}, {cyrillic, "cyrillic"}});
}

} // namespace
} // namespace korvane::testing
