#include "pack/ArchiveOrder.h"

#include "platform/AsciiText.h"

namespace korvane {

bool inModFolder(std::string_view archive) {
    constexpr std::string_view kMods = "mods\\";
    return archive.size() > kMods.size() && asciiLowered(archive.substr(0, kMods.size())) == kMods;
}

bool readBefore(std::string_view a, std::string_view b) {
    if (inModFolder(a) != inModFolder(b)) {
        return inModFolder(a);
    }
    return compareAsciiNoCase(a, b) > 0;
}

std::string nameReadBefore(std::string_view mine, std::string_view other) {
    std::string name(mine);
    // Each "Z" sorts after any letter or digit, and a longer run of them after a shorter one; a name that
    // starts with a byte above 'z' cannot be passed this way.
    for (std::size_t tries = 0; tries <= other.size() + 1; ++tries) {
        if (readBefore(name, other)) {
            return name;
        }
        name.insert(name.begin(), 'Z');
    }
    return {};
}

} // namespace korvane
