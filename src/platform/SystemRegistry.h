// String values other programs keep in the system's registry, read and never written: where the game's installer
// put the game, where Steam lives. A system without a registry (Linux) has none of them; there the installation
// search reads a Wine prefix's registry file instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

enum class RegistryHive { Machine, User }; // HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER

// The key is written as "\Software\Croteam\SeriousSam". The machine's keys are looked up in the view 32-bit
// programs such as the game write to first, then in the 64-bit one. Nothing for a missing key or value or one
// that is not a string.
std::optional<std::string> readSystemRegistry(RegistryHive hive, std::string_view key, std::string_view value);

} // namespace korvane
