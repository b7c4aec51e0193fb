// Reading string values from a Wine prefix's registry file (system.reg) and mapping its drive letters.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The string value of a key as system.reg holds it, the key written as in the registry
// ("Software\Croteam\SeriousSamSE"), key and value names compared ignoring ASCII letter case.
std::optional<std::string> readWineRegistryString(std::string_view registryText, std::string_view key,
                                                  std::string_view value);

// "C:\Games\Sam" -> <prefix>/dosdevices/c: resolved, followed by "/Games/Sam"; nothing when the text has no
// drive letter, there is no prefix or the prefix maps no such drive.
std::optional<std::string> wineDrivePath(const std::filesystem::path& prefix, std::string_view windowsPath);

} // namespace korvane
