// Resolving very long reference names: a .txt file holding one TFNM name of 50,000 folder levels, scanned as
// a map's text file is, and the same name looked up on its own, once where no level exists and once where the
// first 1,000 levels exist in another letter case (each then needs a folder listing).
#include "BenchRecords.h"
#include "platform/GamePath.h"
#include "platform/NameList.h"
#include "scan/MissingList.h"
#include "scan/ReferenceScanner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

constexpr int kLevels = 50000;
constexpr int kExistingLevels = 1000;

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string levels(int count, char letter) {
    std::string name;
    for (int i = 0; i < count; ++i) {
        name += letter;
        name += '\\';
    }
    return name;
}

void report(const char* what, double time, std::uint64_t lookups) {
    std::printf("%-60s %9.1f ms  %8llu lookups\n", what, time * 1e3, static_cast<unsigned long long>(lookups));
}

} // namespace

int main() {
    const auto scratch = korvane::bench::scratchFolder();
    if (!scratch) {
        std::fprintf(stderr, "cannot make a scratch folder\n");
        return 1;
    }
    const std::filesystem::path folder = *scratch;
    const std::string root = folder.string() + "/";
    std::filesystem::path deep = folder;
    for (int i = 0; i < kExistingLevels; ++i) {
        deep /= "a";
    }
    std::filesystem::create_directories(deep);

    const std::string absent = levels(kLevels, 'x') + "Wall.tex";
    const std::string partly = levels(kLevels, 'A') + "Wall.tex";
    std::ofstream(folder / "Long.txt", std::ios::binary) << "TFNM " << absent << "\r\n";
    std::printf("A name of %d levels (%zu bytes)\n", kLevels, absent.size());

    auto before = korvane::pathLookups();
    const double none = seconds([&] { korvane::lookUpGameFile(root, absent); });
    report("lookup, no level exists", none, korvane::pathLookups() - before);

    before = korvane::pathLookups();
    const double some = seconds([&] { korvane::lookUpGameFile(root, partly); });
    report("lookup, 1,000 levels exist in another letter case", some, korvane::pathLookups() - before);

    korvane::NameList files;
    korvane::NameList standard;
    korvane::MissingList missing;
    before = korvane::pathLookups();
    const double scan = seconds([&] {
        korvane::ReferenceScanner scanner(root, files, standard, missing);
        scanner.LookForTFNM("Long.txt");
    });
    report("LookForTFNM over the .txt file", scan, korvane::pathLookups() - before);
    std::filesystem::remove_all(folder);
    return 0;
}
