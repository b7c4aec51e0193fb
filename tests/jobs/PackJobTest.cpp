// "Pack this selection to this destination": which archives a run may replace, and a mod that cannot be read.
#include "JobsFixture.h"

#include "jobs/CollectJob.h"
#include "jobs/PackJob.h"
#include "pack/DestinationPath.h"

namespace korvane::testing {
namespace {

class PackJob : public JobsFixture {
protected:
    RecordedRun run;
    NameList files;

    PackingOutcome pack(const Names& maps, bool withMod, const std::string& destination) {
        return packSelection({folders(withMod), maps, destination, files},
                             {run.archiver, run.events, run.progress, run.screen, run.report, &state});
    }
};

TEST_F(PackJob, StandardAndModArchivesAreNeverReplacedButAnEarlierPackIs) {
    struct Case {
        const char* what;
        Names maps;
        bool withMod;
        std::string destination;
        PackingOutcome outcome;
    };
    const Case cases[] = {
        {"a standard archive", {"Levels\\A.wld"}, false, root + "SE1_00.gro", PackingOutcome::Refused},
        // Named after the map, but not holding it: the mod's own.
        {"the mod's archive", {"Levels\\Alpha.wld"}, true, mod + "Alpha.gro", PackingOutcome::Refused},
        {"the earlier pack of the map", {"Levels\\Mine.wld"}, true, mod + "Mine.gro", PackingOutcome::Packed},
        {"a new archive", {"Levels\\A.wld"}, false, root + "New", PackingOutcome::Packed},
    };
    files.assign({"Models\\M.mdl"}, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = std::filesystem::exists(c.destination) ? readFile(c.destination) : "";
        EXPECT_EQ(pack(c.maps, c.withMod, c.destination), c.outcome);
        // A refused destination keeps its bytes; any other is written anew.
        EXPECT_EQ(readFile(withGroExtension(c.destination)) == before, c.outcome == PackingOutcome::Refused);
    }
}

// A mod archive that cannot be read ends the collection, and stops the packing before anything is written.
TEST_F(PackJob, AnUnreadableModArchiveEndsCollectingAndPacking) {
    dir.write("Mods/Alpha/Extra.gro", "not an archive");
    MissingList missing;
    NoProgress quiet;
    const CollectResult collected = collectMaps({state, folders(true), {"Levels\\Mine.wld"}}, files, missing, quiet);
    EXPECT_NE(collected.failure.find("Archive is damaged"), std::string::npos) << collected.failure;
    EXPECT_TRUE(files.empty());

    files.assign({"Levels\\Mine.wld"}, true);
    EXPECT_EQ(pack({"Levels\\Mine.wld"}, true, root + "Out.gro"), PackingOutcome::NotStarted);
    ASSERT_EQ(run.report.shown.size(), 1u);
    EXPECT_NE(run.report.shown[0].find("Archive is damaged"), std::string::npos) << run.report.shown[0];
    EXPECT_TRUE(run.screen.log.empty());
    EXPECT_FALSE(std::filesystem::exists(root + "Out.gro"));
}

} // namespace
} // namespace korvane::testing
