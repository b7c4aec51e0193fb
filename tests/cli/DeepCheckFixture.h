// A small installation for the deep scan and the archive check on the command line: a map whose model
// names a texture, and one standard file.
#pragma once

#include "CliFixture.h"

#include "scan/GameBytes.h"
#include "support/TempDir.h"

#include <string>

namespace korvane::testing {

class DeepCheckFixture : public ::testing::Test {
protected:
    TempDir dir;
    std::string root = dir.root();

    DeepCheckFixture() {
        dir.write("Bin/SeriousSam.exe", "");
        dir.write("Temp/KVN_files.dat", "Textures\\Stock.tex\r\n");
        dir.write("Temp/KVN_gros.dat", "SE1_00.gro\r\n");
        dir.write("Levels/A.wld", "BUIV" + dfnm("Models\\M.mdl"));
        dir.write("Models/M.mdl", dfnm("Models\\Skin.tex") + std::string(300, '\0'));
        dir.write("Models/Skin.tex", std::string(300, '\0'));
        dir.write("Textures/Stock.tex", "replacement");
    }
};

} // namespace korvane::testing
