// A destination the game holds open: Windows refuses to replace it, and the run says so once, keeping the
// previous archive and leaving no temporary file behind.
#include "../WriteSupport.h"
#include "archive/ArchiveWriteError.h"
#include "support/TempDir.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

TEST(HeldDestination, ReplacingAnArchiveTheGameHoldsFailsAndKeepsIt) {
    TempDir base;
    TempDir out;
    base.write("Wall.txt", "wall");
    const auto archive = out.write("Map.gro", "the previous archive");
    // The game opens its archives for reading and lets others read, never delete or rename.
    const HANDLE held = CreateFileW(archive.wstring().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TZipEngine engine;
    engine.FileName = archive.string();
    engine.CreateArchiveAside();
    engine.BaseDir = base.path().string();
    engine.AddFiles("Wall.txt", kSearchAttrFiles, "");
    try {
        engine.CommitArchive();
        ADD_FAILURE() << "the held archive was replaced";
    } catch (const ArchiveWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("close the game and pack again"), std::string::npos) << error.what();
    }
    CloseHandle(held);
    EXPECT_EQ(readFile(archive), "the previous archive");
    EXPECT_EQ(folderNames(out.path()), std::vector<std::string>{"Map.gro"});
}

} // namespace
} // namespace korvane::testing
