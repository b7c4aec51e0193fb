// The demo installation's mod, Mods\DemoMod\: an archive of its own, loose files, an entity library whose
// resources only the deep scan finds, and a map that needs them all.
#pragma once

#include "cli/DemoContent.h"

#include <string>
#include <vector>

namespace korvane::cli {

inline constexpr const char* kDemoModName = "DemoMod";
// Relative to the mod's folder, as the game names it with the mod active.
inline constexpr const char* kDemoModMap = "Levels\\DemoModLevel.wld";

// Game paths relative to the installation's root.
std::vector<DemoFile> demoModLooseFiles();
DemoArchive demoModArchive();

} // namespace korvane::cli
