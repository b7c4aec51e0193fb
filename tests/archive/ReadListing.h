// Opening an archive the way every reading window does, for the tests.
#pragma once

#include "archive/ZipEngine.h"

#include <string>
#include <vector>

namespace korvane::testing {

// Opens with mode 0, lists with "*.*" and attributes 47 (StoredPath + FileName of each), closes.
std::vector<std::string> listArchive(const std::string& path);
// The exception text of OpenArchive with mode 0 on the file, or "" when it opened.
std::string openError(const std::string& path);

} // namespace korvane::testing
