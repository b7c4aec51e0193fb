// The bytes the writer puts on disk: records, methods, sizes, offsets and the replaced entry.
#include "WriteSupport.h"
#include "archive/internal/ZipRecords.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <zlib.h>

namespace korvane::testing {
namespace {

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1103515245 + 12345;
        bytes[i] = static_cast<char>("abcdefgh \n"[(state >> 16) % 10]);
    }
    return bytes;
}

class WriteFormat : public ::testing::Test {
protected:
    TempDir base;
    TempDir out;
    std::filesystem::path archive = out.path() / "Map.gro";
};

TEST_F(WriteFormat, EmptyArchiveIsTheEndRecordAloneAfterClosing) {
    auto engine = createArchive(archive, base.root());
    EXPECT_EQ(std::filesystem::file_size(archive), 0u);
    engine->CloseArchive();
    std::string expected("PK\x05\x06", 4);
    expected.append(18, '\0');
    EXPECT_EQ(readFile(archive), expected);
    expectToolsAgree(archive, {});
}

TEST_F(WriteFormat, SmallEntriesCarryMethodCrcAndSizesInBothHeaders) {
    base.write("Empty.txt", "");
    base.write("Ten.txt", "0123456789");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Empty.txt", kSearchAttrFiles, "");
    engine->AddFiles("Ten.txt", kSearchAttrFiles, "");
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    ASSERT_EQ(view.entries.size(), 2u);

    const auto& empty = view.entries[0];
    EXPECT_EQ(empty.name, "Empty.txt");
    EXPECT_EQ(empty.method, 0);
    EXPECT_EQ(empty.crc, 0u);
    EXPECT_EQ(empty.size, 0u);
    EXPECT_EQ(empty.compressedSize, 0u);

    const auto& ten = view.entries[1];
    EXPECT_EQ(ten.method, 8);
    EXPECT_EQ(ten.madeBy, 20);
    EXPECT_EQ(ten.needed, 20);
    EXPECT_EQ(contentOf(ten), "0123456789"); // raw deflate, nothing after the final block
    for (const auto* entry : {&empty, &ten}) {
        // Version needed, flags, method, time, date, CRC-32 and sizes: the same in both headers.
        EXPECT_EQ(entry->localHead.substr(4, 22), entry->centralHead.substr(6, 22)) << entry->name;
    }
    expectToolsAgree(archive, {{"Empty.txt", ""}, {"Ten.txt", "0123456789"}});
}

TEST_F(WriteFormat, OneBlockEndsTheStreamAndOneByteMoreAddsASyncFlushedBlock) {
    const auto block = compressionBlockSize(7);
    const auto one = pattern(block);
    const auto more = pattern(block + 1);
    base.write("One.bin", one);
    base.write("More.bin", more);
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("One.bin", kSearchAttrFiles, "");
    engine->AddFiles("More.bin", kSearchAttrFiles, "");
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    const auto* first = view.find("One.bin");
    const auto* second = view.find("More.bin");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(contentOf(*first), one);
    EXPECT_EQ(contentOf(*second), more);
    // A sync flush leaves the empty stored block 00 00 FF FF behind the first block's data.
    EXPECT_EQ(first->raw.find(std::string("\x00\x00\xFF\xFF", 4)), std::string::npos);
    EXPECT_NE(second->raw.find(std::string("\x00\x00\xFF\xFF", 4)), std::string::npos);
    expectToolsAgree(archive, {{"One.bin", one}, {"More.bin", more}});
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

// What the tools print for the archive's names, one run of each installed tool in a UTF-8 locale.
std::map<std::string, std::string> toolListings(const std::filesystem::path& archive) {
    // Python reads the Unicode Path field from 3.12 on; before, it is told the ANSI code page.
    const std::string python = "import sys,zipfile; print('\\n'.join(zipfile.ZipFile(sys.argv[1], **({} if "
                               "sys.version_info >= (3, 12) else {'metadata_encoding': 'cp1251'})).namelist()))";
    const std::map<std::string, std::string> commands{{"unzip", "unzip -Z1"},
                                                      {"7z", "7z l -ba"},
                                                      {"bsdtar", "bsdtar -tf"},
                                                      {"python3", "python3 -c \"" + python + "\""}};
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
    // The Unicode Path field, in the local and the central header: 4 header bytes, version, CRC-32, name.
    const auto extraLength = [](const std::string& head, std::size_t at) {
        return static_cast<std::size_t>(static_cast<unsigned char>(head[at]) | static_cast<unsigned char>(head[at + 1])
                                                                                   << 8);
    };
    EXPECT_EQ(extraLength(ansi->localHead, 28), 4 + 1 + 4 + cyrillic.size());
    EXPECT_EQ(extraLength(ansi->centralHead, 30), 4 + 1 + 4 + cyrillic.size());
    EXPECT_EQ(extraLength(note->centralHead, 30), 4 + 1 + 4 + std::string("Sounds/\xE2\x99\xAA.wav").size());
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
