// Building the standard file list from six archives totalling 40,000 members, patches overlapping the base
// archives as an installation's do. Prints the time of the wizard's build (duplicates skipped) and of the
// editor's rebuild (duplicates kept).
#include "BenchRecords.h"
#include "archive/ZipEngine.h"
#include "platform/ProgressSink.h"
#include "settings/StandardListBuilder.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace korvane;

namespace {

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
    return text;
}

class QuietRun : public NoProgress {
public:
    int pumps = 0;
    void processEvents() override { ++pumps; }
};

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "korvane-bench-standard";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    // Base archives hold distinct names; the two patches replace a share of them (in another letter case)
    // and add their own.
    const int sizes[] = {12000, 8000, 6000, 6000, 4000, 4000};
    std::vector<std::string> archiveNames;
    int total = 0;
    for (int a = 0; a < 6; ++a) {
        std::vector<std::string> members;
        for (int i = 0; i < sizes[a]; ++i) {
            const bool patch = a >= 4 && i % 2 == 0;
            const std::string name =
                patch ? upper("Textures/Base" + std::to_string(i % 4) + "/Item" + std::to_string(i) + ".tex")
                      : "Models/Set" + std::to_string(a) + "/Part" + std::to_string(i / 50) + "/Mesh" +
                            std::to_string(i) + ".mdl";
            members.push_back(name);
        }
        if (a == 0) {
            for (int i = 0; i < 4000; ++i) {
                members[static_cast<std::size_t>(i)] =
                    "Textures/Base" + std::to_string(i % 4) + "/Item" + std::to_string(i) + ".tex";
            }
        }
        total += sizes[a];
        archiveNames.push_back("Archive" + std::to_string(a) + ".gro");
        bench::writeListingArchive(folder / archiveNames.back(), members);
    }

    TZipEngine archiver("Archiver");
    QuietRun quiet;
    const std::string root = folder.string() + "/";
    for (const BuildVariant variant : {BuildVariant::Wizard, BuildVariant::Editor}) {
        NameList target;
        NameList archives;
        quiet.pumps = 0;
        const auto start = std::chrono::steady_clock::now();
        BuildStandardFiles(archiver, quiet, root, archiveNames, target, variant, &archives);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("%s build: %d members in 6 archives -> %d entries, %d refreshes, %.3f s (target < 0.3 s)\n",
                    variant == BuildVariant::Wizard ? "wizard" : "editor", total, target.size(), quiet.pumps,
                    elapsed.count());
    }
    std::filesystem::remove_all(folder);
    return 0;
}
