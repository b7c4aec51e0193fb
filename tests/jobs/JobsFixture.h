// An installation for the jobs: a map needing a model (whose skin only the deep scan follows), a standard
// texture and a missing one; and a mod whose own archive is named like one of its maps.
#pragma once

#include "../pack/PackingFixture.h"
#include "../scan/GameBytes.h"
#include "../settings/ListingFixture.h"

#include "platform/AppState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::testing {

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

} // namespace korvane::testing
