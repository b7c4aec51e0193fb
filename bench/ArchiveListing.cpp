// Lists a 50,000-member archive the way the setup wizard does (GetFileCount, then FindFirst/FindNext) and
// times it next to "unzip -Z1" on the same file.
#include "archive/ZipEngine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kMembers = 50000;
constexpr int kRounds = 7;

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

bool makeArchive(const std::string& path) {
    const std::string script = "python3 -c \"import zipfile\n"
                               "with zipfile.ZipFile('" +
                               path +
                               "', 'w') as z:\n"
                               "    for i in range(" +
                               std::to_string(kMembers) +
                               "):\n"
                               "        z.writestr('Textures/Set%03d/Surface_%05d.tex' % (i // 500, i), b'')\n\"";
    return std::system(script.c_str()) == 0;
}

// Returns the number of names listed.
std::size_t listWithEngine(const std::string& path) {
    korvane::TZipEngine engine("Archiver");
    engine.FileName = path;
    engine.OpenArchive(korvane::kOpenModeRead);
    const std::int32_t count = engine.GetFileCount();
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    korvane::TZEArchiveItem item;
    for (bool found = engine.FindFirst("*.*", item, korvane::kSearchAttrFiles, ""); found;
         found = engine.FindNext(item)) {
        names.push_back(item.StoredPath + item.FileName);
    }
    engine.CloseArchive();
    return names.size();
}

template <typename F> double bestOf(F&& run) {
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        run();
        best = std::min(best, milliseconds(Clock::now() - start));
    }
    return best;
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "korvane-bench-listing";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "members.zip").string();
    if (!makeArchive(path)) {
        std::fprintf(stderr, "cannot make the archive with python3\n");
        return 1;
    }
    std::size_t listed = 0;
    const double engine = bestOf([&] { listed = listWithEngine(path); });
    const std::string unzip = "unzip -Z1 '" + path + "' > /dev/null";
    const double tool = bestOf([&] {
        if (std::system(unzip.c_str()) != 0) {
            std::fprintf(stderr, "unzip failed\n");
            std::exit(1);
        }
    });
    std::printf("archive: %d members, %ju bytes; engine listed %zu\n", kMembers,
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)), listed);
    std::printf("engine (open + GetFileCount + FindFirst/FindNext + close): %.2f ms (best of %d)\n", engine, kRounds);
    std::printf("unzip -Z1: %.2f ms (best of %d)\n", tool, kRounds);
    std::printf("ratio engine / unzip: %.2f\n", engine / tool);
    std::filesystem::remove_all(folder);
    return listed == kMembers ? 0 : 1;
}
