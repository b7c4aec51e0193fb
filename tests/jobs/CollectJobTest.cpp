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

} // namespace
} // namespace korvane::testing
