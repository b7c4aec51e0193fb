// A small installation for the deep scan and the archive check on the command line: a map whose model
// names a texture, and one standard file.
#pragma once

#include "CliFixture.h"

#include "support/TempDir.h"

#include <cstdint>
#include <string>

namespace korvane::testing {

inline std::string record(const std::string& name) {
    std::string bytes = "DFNM";
    bytes += static_cast<char>(name.size());
    bytes += std::string(3, '\0');
    return bytes + name;
}

class DeepCheckFixture : public ::testing::Test {
protected:
    TempDir dir;
    std::string root = dir.root();

    DeepCheckFixture() {
        dir.write("Bin/SeriousSam.exe", "");
        dir.write("Temp/KVN_files.dat", "Textures\\Stock.tex\r\n");
        dir.write("Temp/KVN_gros.dat", "SE1_00.gro\r\n");
        dir.write("Levels/A.wld", "BUIV" + record("Models\\M.mdl"));
        dir.write("Models/M.mdl", record("Models\\Skin.tex") + std::string(300, '\0'));
        dir.write("Models/Skin.tex", std::string(300, '\0'));
        dir.write("Textures/Stock.tex", "replacement");
    }
};

} // namespace korvane::testing
