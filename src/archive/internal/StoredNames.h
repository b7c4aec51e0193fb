// The name under which a disk file is stored: never absolute, never with a drive, never climbing out.
#pragma once

#include "archive/ZipTypes.h"

#include <string>
#include <string_view>

namespace korvane {

// The stored name of the full name against the absolute folder `base`, with '/' separators; empty when
// nothing of the name remains (the entry is then not filled).
std::string storedNameOf(std::string_view fullName, std::string_view base, TZEStorePathMode mode);

} // namespace korvane
