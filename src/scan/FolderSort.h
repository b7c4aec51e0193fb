// "Рассортировать": files at the top of the installation first, then folder by folder, each sorted by name
// under the locale-aware comparison that ignores letter case.
#pragma once

#include "platform/NameList.h"

#include <string>
#include <vector>

namespace korvane {

// The sorted result: top-level names, then each folder key (the form seen first among keys that compare
// equal) followed by its entries. An entry whose folder is spelt unlike its key is not in the result.
std::vector<std::string> folderSortedNames(const std::vector<std::string>& names);

// Moves each entry of the list to its place in the sorted result, marks kept; entries left out of the
// result end up behind it in their old order.
void sortByFolder(NameList& list);

} // namespace korvane
