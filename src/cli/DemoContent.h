// The files of the demo installation: small stand-ins for the game's formats that carry exactly the bytes
// Korvane reads (reference records, reference lines, version bytes), with plausible headers around them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane::cli {

struct DemoFile {
    std::string gamePath; // relative to the root, '\' separated
    std::string bytes;
};

struct DemoArchive {
    std::string name; // relative to the root, '\' separated
    std::vector<DemoFile> members;
};

// The two maps, in the order a newcomer would add them.
inline const std::vector<std::string> kDemoMaps{"Levels\\DemoCastle.wld", "Levels\\DemoCanyon.wld"};
// Named by a map and absent from the installation on purpose.
inline constexpr const char* kDemoMissingFile = "Sounds\\Demo\\Drip.wav";

std::vector<DemoFile> demoLooseFiles();
std::vector<DemoArchive> demoStandardArchives();

// The builders, for tests that need a file of the same kind.
// "BUIV", the 1.07 version bytes, a DICT of reference records, then world data of about `padding` bytes.
std::string demoWorld(const std::vector<std::string>& references, std::size_t padding);
// A texture header and pixels; `tailReference`, when not empty, is a reference record in the last 128 bytes.
std::string demoTexture(int side, const std::string& tailReference);
// Deterministic bytes without a 'D', so that no reference record appears in them by chance.
std::string demoFiller(std::size_t size, std::uint32_t seed);

} // namespace korvane::cli
