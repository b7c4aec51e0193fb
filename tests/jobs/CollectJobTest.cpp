// "Collect these maps": what the collection finds for each way of asking, and how it ends.
#include "JobsFixture.h"

#include "jobs/CollectJob.h"

#include <tuple>

namespace korvane::testing {
namespace {

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

TEST_F(CollectJob, ListsWhatTheMapsNeedForEachRequest) {
    struct Case {
        const char* what;
        Names maps;
        bool deep, withMod;
        std::string destination;
        Names files, missing, mapsNotFound;
        int deepScanWouldAdd;
    };
    const Case cases[] = {
        {"plain",
         {"Levels\\A.wld"},
         false,
         false,
         {},
         {"Models\\M.mdl", "Textures\\Gone.tex", "Levels\\A.wld"},
         {"Textures\\Gone.tex"},
         {},
         1},
        {"deep",
         {"Levels\\A.wld"},
         true,
         false,
         {},
         {"Models\\M.mdl", "Models\\Skin.tex", "Textures\\Gone.tex", "Levels\\A.wld"},
         {"Textures\\Gone.tex"},
         {},
         0},
        {"a map that is gone is skipped and named",
         {"Levels\\Gone.wld", "Levels\\A.wld"},
         true,
         false,
         {},
         {"Models\\M.mdl", "Models\\Skin.tex", "Textures\\Gone.tex", "Levels\\A.wld"},
         {"Textures\\Gone.tex"},
         {"Levels\\Gone.wld"},
         0},
        // The mod's archive is loaded with it; the earlier pack named after the map is the map maker's own.
        {"for the mod", {"Levels\\Mine.wld"}, false, true, {}, {"Textures\\Own.tex", "Levels\\Mine.wld"}, {}, {}, 0},
        {"into the mod's archive, which is then not the mod's",
         {"Levels\\Mine.wld"},
         false,
         true,
         mod + "Alpha.gro",
         {"Textures\\ModStock.tex", "Textures\\Own.tex", "Levels\\Mine.wld"},
         {},
         {},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        toldGone.clear();
        const CollectResult result = collect(c.maps, c.deep, c.withMod, c.destination);
        EXPECT_TRUE(result.finished()) << result.failure;
        EXPECT_EQ(files.names(), c.files);
        EXPECT_EQ(files.checkedCount(), files.size());
        EXPECT_EQ(missing.names(), c.missing);
        EXPECT_EQ(result.outcome.filesMissing, static_cast<int>(c.missing.size()));
        EXPECT_EQ(result.outcome.mapsNotFound, c.mapsNotFound);
        EXPECT_EQ(toldGone, c.mapsNotFound);
        EXPECT_EQ(result.deepScanWouldAdd, c.deepScanWouldAdd);
    }
}

} // namespace
} // namespace korvane::testing
