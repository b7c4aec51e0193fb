#include "ReadListing.h"

#include <exception>

namespace korvane::testing {

std::vector<std::string> listArchive(const std::string& path) {
    TZipEngine engine("Archiver");
    engine.FileName = path;
    engine.OpenArchive(kOpenModeRead);
    std::vector<std::string> names;
    TZEArchiveItem item;
    for (bool found = engine.FindFirst("*.*", item, kSearchAttrFiles, ""); found; found = engine.FindNext(item)) {
        names.push_back(item.StoredPath + item.FileName);
    }
    if (static_cast<std::size_t>(engine.GetFileCount()) != names.size()) {
        names.push_back("<count differs>");
    }
    engine.CloseArchive();
    return names;
}

std::string openError(const std::string& path) {
    TZipEngine engine("Archiver");
    engine.FileName = path;
    try {
        engine.OpenArchive(kOpenModeRead);
    } catch (const std::exception& e) {
        if (engine.Active()) {
            return "left open after: " + std::string(e.what());
        }
        return e.what();
    }
    return "";
}

} // namespace korvane::testing
