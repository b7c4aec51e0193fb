// Deep scan speed: a map naming 400 models of 64 KB, each naming five of 1,000 textures of 8 KB that name
// a base texture each, against a 40,000-name standard list; the usual walk over the same installation
// for comparison (it reads no model and only the textures' tails).
#include "BenchRecords.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "scan/CollectionRun.h"
#include "scan/MissingList.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace korvane;

constexpr int kModels = 400;
constexpr int kTextures = 1000;
constexpr int kStandardNames = 40000;
constexpr int kRuns = 5;
constexpr int kTurns = 5;

void write(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string texture(int i) {
    return "Textures\\Deep\\T" + std::to_string(i) + ".tex";
}

// The installation's bytes on disk.
std::uint64_t makeInstallation(const std::filesystem::path& root) {
    std::uint64_t bytes = 0;
    std::string map = "BUIV";
    for (int m = 0; m < kModels; ++m) {
        const std::string name = "Models\\Deep\\M" + std::to_string(m) + ".mdl";
        map += bench::referenceRecord(name);
        std::string model;
        for (int t = 0; t < 5; ++t) {
            model += bench::referenceRecord(texture((m * 7 + t * 13) % kTextures));
        }
        model.resize(64 * 1024, '\0');
        write(root / ("Models/Deep/M" + std::to_string(m) + ".mdl"), model);
        bytes += model.size();
    }
    for (int t = 0; t < kTextures; ++t) {
        std::string bytesOf = bench::referenceRecord("Textures\\Base\\B" + std::to_string(t % 50) + ".tex");
        bytesOf.resize(8 * 1024, '\0');
        write(root / ("Textures/Deep/T" + std::to_string(t) + ".tex"), bytesOf);
        bytes += bytesOf.size();
    }
    for (int b = 0; b < 50; ++b) {
        write(root / ("Textures/Base/B" + std::to_string(b) + ".tex"), std::string(8 * 1024, '\0'));
    }
    write(root / "Levels/Deep.wld", map);
    return bytes + map.size();
}

// Wall time, and processor time of the process (which other processes on the machine do not add to).
struct Times {
    double wall = 1e9;
    double cpu = 1e9;
};

Times bestOf(const std::string& root, const NameList& standard, bool deep, bool chains, int& listed) {
    Times best;
    for (int run = 0; run < kRuns; ++run) {
        NameList files;
        MissingList missing;
        NoProgress progress;
        FileReasons reasons;
        CollectionLists lists{root, files, standard, missing};
        lists.DeepScan = deep;
        lists.Reasons = chains ? &reasons : nullptr;
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        collectDependencies(lists, {"Levels\\Deep.wld"}, progress);
        best.cpu = std::min(best.cpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        best.wall =
            std::min(best.wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        listed = files.size();
    }
    return best;
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "korvane-bench-deep";
    std::filesystem::remove_all(folder);
    const std::uint64_t bytes = makeInstallation(folder);
    NameList standard;
    for (int i = 0; i < kStandardNames; ++i) {
        standard.append("Textures\\Standard\\T" + std::to_string(i) + ".tex");
    }
    const std::string root = folder.string() + "/";
    for (const bool deep : {false, true}) {
        int listed = 0;
        // With and without recording why each file is listed (as the windows and the command line run it),
        // taken in turns so that a busy machine weighs on both alike.
        Times plain;
        Times chained;
        for (int turn = 0; turn < kTurns; ++turn) {
            const Times plainTurn = bestOf(root, standard, deep, false, listed);
            const Times chainedTurn = bestOf(root, standard, deep, true, listed);
            plain = {std::min(plain.wall, plainTurn.wall), std::min(plain.cpu, plainTurn.cpu)};
            chained = {std::min(chained.wall, chainedTurn.wall), std::min(chained.cpu, chainedTurn.cpu)};
        }
        const double seconds = plain.wall;
        std::printf("%-12s %5d files listed in %7.1f ms", deep ? "deep scan" : "usual walk", listed, seconds * 1e3);
        if (deep) {
            std::printf(" (%.1f MB of game files read, %.1f MB/s)", static_cast<double>(bytes) / 1e6,
                        static_cast<double>(bytes) / seconds / 1e6);
        }
        std::printf("\n%-12s %5d files listed in %7.1f ms with their chains recorded; processor time %.1f ms "
                    "against %.1f ms, %+.1f %%\n",
                    "", listed, chained.wall * 1e3, chained.cpu * 1e3, plain.cpu * 1e3,
                    (chained.cpu / plain.cpu - 1) * 100);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
