// Archives written aside: the destination stays as it was until the commit, and what the updates did ends as
// it would in an archive updated call by call.
#include "WriteSupport.h"
#include "archive/internal/Compressor.h"
#include "platform/FileHandle.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>

namespace korvane::testing {
namespace {

using Names = std::vector<std::string>;

class WriteAside : public WriteFixture {
protected:
    void SetUp() override { out.write("Map.gro", "the previous archive"); }

    void createAside(TZipEngine& engine) {
        engine.SetCompressionMode(7);
        engine.FileName = archive.string();
        engine.CreateArchiveAside();
        engine.BaseDir = base.root();
    }

    // Replaced entries, a retried one, an ignored one and an aborted call, one AddFiles after another.
    void runUpdates(TZipEngine& engine) {
        const auto add = [&](const std::string& mask) { engine.AddFiles(mask, kSearchAttrFiles, ""); };
        std::filesystem::remove_all(base.path());
        std::filesystem::create_directories(base.path());
        base.write("Kept.txt", "kept");
        base.write("Wall.txt", "old wall");
        add("Kept.txt");
        add("Wall.txt");
        std::filesystem::remove(base.path() / "Wall.txt");
        base.write("WALL.TXT", "the new, longer wall");
        add("WALL.TXT");

        const auto back = base.write("Back.txt", "comes back");
        const auto away = base.path() / "away.bin";
        engine.OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool&) {
            if (name.ends_with("Back.txt")) {
                std::filesystem::rename(back, away);
            } else if (name.ends_with("Gone.txt") || name.ends_with("Late.txt")) {
                std::filesystem::remove(name);
            }
        };
        TZEAction answer = fxaRetry;
        engine.OnProcessFileFailure = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, int, int,
                                          const std::string&, TZEAction& action) {
            if (std::filesystem::exists(away)) {
                std::filesystem::rename(away, back);
            }
            action = answer;
        };
        add("Back.txt");
        answer = fxaIgnore;
        base.write("Gone.txt", "vanishes");
        base.write("Other.txt", "stays");
        add("*.txt");
        answer = fxaAbort;
        base.write("Late.txt", "never lands");
        base.write("Later.txt", "dropped with it");
        add("Late*.txt");
        engine.OnConfirmProcessFile = nullptr;
        engine.OnProcessFileFailure = nullptr;
    }
};

TEST_F(WriteAside, TheDestinationChangesOnlyWhenTheArchiveIsCommitted) {
    // One file small enough to be deflated whole, one streamed in blocks.
    const std::string big = std::string(kWholeFileLimit, 'x') + "and the end";
    base.write("Small.txt", "small");
    base.write("Big.bin", big);
    TZipEngine engine("Archiver");
    createAside(engine);
    engine.AddFiles("Small.txt", kSearchAttrFiles, "");
    engine.AddFiles("Big.bin", kSearchAttrFiles, "");
    EXPECT_EQ(readFile(archive), "the previous archive");
    EXPECT_EQ(folderNames(out.path()), Names{"Map.gro"}) << "nobody else sees the new archive";
    engine.CommitArchive();
    EXPECT_FALSE(engine.Active());
    expectToolsAgree(archive, {{"Small.txt", "small"}, {"Big.bin", big}});

    const auto committed = readFile(archive);
    createAside(engine);
    engine.AddFiles("Small.txt", kSearchAttrFiles, "");
    engine.CloseArchive();
    EXPECT_TRUE(readFile(archive) == committed) << "closed without a commit, the new archive is dropped";
    EXPECT_EQ(folderNames(out.path()), Names{"Map.gro"});
}

TEST_F(WriteAside, LeftoversOfKilledRunsAreRemovedUnlessTheirRunLives) {
    const auto stale = out.write(".korvane-Map.gro.0123456789ab.part", "killed before its rename");
    const auto live = out.write(".korvane-Map.gro.ba9876543210.part", "a run that still writes");
    const auto fresh = out.write(".korvane-Map.gro.00000000000f.part", "a run that has just begun");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    std::filesystem::last_write_time(stale, old);
    std::filesystem::last_write_time(live, old);
    const FileHandle holder = FileHandle::open(live, O_RDONLY);
    ASSERT_EQ(::flock(holder.descriptor(), LOCK_EX), 0);
    TZipEngine engine("Archiver");
    createAside(engine);
    engine.CloseArchive();
    EXPECT_EQ(folderNames(out.path()),
              (Names{".korvane-Map.gro.00000000000f.part", ".korvane-Map.gro.ba9876543210.part", "Map.gro"}));
}

TEST_F(WriteAside, UpdatesEndAsInAnArchiveUpdatedCallByCall) {
    TZipEngine aside("Archiver");
    createAside(aside);
    runUpdates(aside);
    aside.CommitArchive();
    EXPECT_EQ(readMembers(archive), (std::vector<Member>{{"Kept.txt", 8, "kept"},
                                                         {"WALL.TXT", 8, "the new, longer wall"},
                                                         {"Back.txt", 8, "comes back"},
                                                         {"Other.txt", 8, "stays"}}));
    expectToolsAccept(archive);
}

} // namespace
} // namespace korvane::testing
