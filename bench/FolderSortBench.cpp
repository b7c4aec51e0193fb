// "Рассортировать" on the file lists of big map packs: time against the number of entries, which should
// grow as n log n.
#include "platform/NameList.h"
#include "scan/FolderSort.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// Names spread over a few hundred folders of up to three levels, in a shuffled order as a scan finds them.
std::vector<std::string> scannedNames(int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        names.push_back("Textures\\Set" + std::to_string(i % 37) + "\\Part" + std::to_string(i % 11) + "\\T" +
                        std::to_string(i) + ".tex");
    }
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
    return names;
}

double sortSeconds(const std::vector<std::string>& names) {
    korvane::NameList list;
    list.assign(names, true);
    const auto start = std::chrono::steady_clock::now();
    korvane::sortByFolder(list);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    for (const int count : {2000, 8000, 32767}) {
        const double seconds = sortSeconds(scannedNames(count));
        std::printf("sortByFolder, %6d entries: %8.1f ms  (%.2f us per entry)\n", count, seconds * 1e3,
                    seconds * 1e6 / count);
    }
    return 0;
}
