// The jobs both front ends call, and what each returns: collect these maps, pack this selection to this
// destination, check this archive. The installation: a map needing a model (whose skin only the deep scan
// follows), a standard texture and a missing one; and a mod whose own archive is named like one of its maps.
#include "../pack/PackingFixture.h"
#include "../scan/GameBytes.h"
#include "../settings/ListingFixture.h"

#include "jobs/CheckJob.h"
#include "jobs/CollectJob.h"
#include "jobs/PackJob.h"
#include "pack/DestinationPath.h"
#include "platform/AppState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::testing {
namespace {

using Names = std::vector<std::string>;

class JobsFixture : public ::testing::Test {
protected:
    TempDir dir;
    std::string root = dir.root();
    std::string mod = root + "Mods/Alpha/";
    AppState state;

    JobsFixture() {
        dir.write("Levels/A.wld",
                  "BUIV" + dfnm("Models\\M.mdl") + dfnm("Textures\\Stock.tex") + dfnm("Textures\\Gone.tex"));
        dir.write("Models/M.mdl", dfnm("Models\\Skin.tex") + zeros(300));
        dir.write("Models/Skin.tex", zeros(300));
        dir.write("Textures/Stock.tex", "stock");
        makeArchives({{root + "SE1_00.gro", {"Textures/Stock.tex"}}});
        const std::string modMap = "BUIV" + dfnm("Textures\\ModStock.tex") + dfnm("Textures\\Own.tex");
        dir.write("Mods/Alpha/Levels/Alpha.wld", modMap);
        dir.write("Mods/Alpha/Levels/Mine.wld", modMap);
        dir.write("Mods/Alpha/Textures/ModStock.tex", "the mod's");
        dir.write("Mods/Alpha/Textures/Own.tex", "the map maker's");
        makeArchives({{mod + "Alpha.gro", {"Textures/ModStock.tex"}},
                      {mod + "Mine.gro", {"Levels/Mine.wld", "Textures/Own.tex"}}});
        state.InstallRoot = root;
        state.StandardGroList.assign({"SE1_00.gro"}, true);
        state.StandardFiles.assign({"Textures\\Stock.tex"}, true);
    }

    GameFolders folders(bool withMod) const { return withMod ? GameFolders(root, mod) : GameFolders(root); }
};

class CollectJob : public JobsFixture {
protected:
    NameList files;
    MissingList missing;
    RecordingProgress progress;
    Names toldGone;

    CollectResult collect(const Names& maps, bool deep, bool withMod, const std::string& destination = {}) {
        files.append("left over.tex"); // a list from an earlier run
        return collectMaps({state, folders(withMod), maps, deep, destination,
                            [this](const std::string& map) { toldGone.push_back(map); }},
                           files, missing, progress);
    }
};

// Names are joined by spaces to keep each case on a line.
std::string joined(const Names& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

TEST_F(CollectJob, ListsWhatTheMapsNeedForEachRequest) {
    struct Case {
        const char* what;
        Names maps;
        bool deep, withMod;
        std::string destination, files, missing, mapsNotFound;
        int deepScanWouldAdd;
    };
    const Names a{"Levels\\A.wld"}, mine{"Levels\\Mine.wld"};
    const std::string gone = "Textures\\Gone.tex", own = "Textures\\Own.tex Levels\\Mine.wld";
    const std::string plain = "Models\\M.mdl " + gone + " Levels\\A.wld";
    const std::string deep = "Models\\M.mdl Models\\Skin.tex " + gone + " Levels\\A.wld";
    const Case cases[] = {
        {"plain", a, false, false, {}, plain, gone, {}, 1},
        {"deep", a, true, false, {}, deep, gone, {}, 0},
        {"a map that is gone",
         {"Levels\\Gone.wld", "Levels\\A.wld"},
         true,
         false,
         {},
         deep,
         gone,
         "Levels\\Gone.wld",
         0},
        // The mod's archive is loaded with it; the earlier pack named after the map is the map maker's own.
        {"for the mod", mine, false, true, {}, own, {}, {}, 0},
        {"into the mod's archive, then not the mod's",
         mine,
         false,
         true,
         mod + "Alpha.gro",
         "Textures\\ModStock.tex " + own,
         {},
         {},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        toldGone.clear();
        const CollectResult result = collect(c.maps, c.deep, c.withMod, c.destination);
        EXPECT_TRUE(result.finished()) << result.failure;
        EXPECT_EQ(joined(files.names()), c.files);
        EXPECT_EQ(files.checkedCount(), files.size());
        EXPECT_EQ(joined(missing.names()), c.missing);
        EXPECT_EQ(result.outcome.filesMissing, static_cast<int>(missing.names().size()));
        EXPECT_EQ(joined(result.outcome.mapsNotFound), c.mapsNotFound);
        EXPECT_EQ(toldGone, result.outcome.mapsNotFound);
        EXPECT_EQ(result.deepScanWouldAdd, c.deepScanWouldAdd);
    }
}

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

using CheckJob = JobsFixture;

TEST_F(CheckJob, WarnsOfEachBrokenLimitOrSaysWhyTheArchiveCannotBeRead) {
    makeArchives({{root + "Faulty.gro", {"textures/stock.tex", "Music/A.ogg"}}});
    dir.write("Broken.gro", "not an archive");
    struct Case {
        const char* archive;
        bool withInstallation;
        std::string failure;
        Names warnedOf; // a name each warning holds, in order
    };
    const Case cases[] = {
        {"Faulty.gro", true, {}, {"Music\\A.ogg", "textures\\stock.tex"}},
        // Without an installation there is no standard list to compare with.
        {"Faulty.gro", false, {}, {"Music\\A.ogg"}},
        {"Broken.gro", true, "Archive is damaged. Open failed - Native error: 00048", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.archive);
        const CheckResult result = checkArchive(root + c.archive, c.withInstallation ? &state : nullptr);
        EXPECT_EQ(result.read(), c.failure.empty());
        EXPECT_EQ(result.failure, c.failure);
        ASSERT_EQ(result.warnings.size(), c.warnedOf.size());
        for (std::size_t i = 0; i < c.warnedOf.size(); ++i) {
            EXPECT_NE(result.warnings[i].find(c.warnedOf[i]), std::string::npos) << result.warnings[i];
        }
    }
}

} // namespace
} // namespace korvane::testing
