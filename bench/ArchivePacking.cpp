// Packing speed: one AddFiles per file as the packing run does, next to "zip -7 -r" over the same tree.
// (a) 200 MB in 50 files, (b) 2,000 small files, (c) the time a large file's archive is without a directory.
#include "archive/ZipEngine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace korvane;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Game-like content: runs of words and numbers mixed with noise, compressing to roughly half.
std::string content(std::size_t size, unsigned seed) {
    static const char* words[] = {"Texture", "Model", "vertex", "0.125", "Sound", "Level", "\r\n", "  ", "Actor"};
    std::mt19937 random(seed);
    std::string bytes;
    bytes.reserve(size + 16);
    while (bytes.size() < size) {
        if (random() % 3 == 0) {
            for (int i = 0; i < 8; ++i) {
                bytes.push_back(static_cast<char>(random()));
            }
        } else {
            bytes += words[random() % 9];
        }
    }
    bytes.resize(size);
    return bytes;
}

struct Tree {
    fs::path root;
    std::vector<std::string> names; // relative, '\' separators
};

Tree makeTree(const fs::path& root, int files, std::size_t size, bool nested) {
    Tree tree{root, {}};
    for (int i = 0; i < files; ++i) {
        const std::string folder = nested ? "Pack" + std::to_string(i % 10) + "/Set" + std::to_string(i % 97) : "Data";
        const std::string name = folder + "/File" + std::to_string(i) + ".bin";
        fs::create_directories(root / folder);
        const auto bytes =
            content(nested ? size + static_cast<std::size_t>(i % 13) * 977 : size, static_cast<unsigned>(i));
        std::ofstream(root / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::string gameName = name;
        for (auto& c : gameName) {
            c = c == '/' ? '\\' : c;
        }
        tree.names.push_back(gameName);
    }
    return tree;
}

struct EngineRun {
    double seconds = 0;
    double longestWindow = 0; // from the cut of the old directory to the new one written
    std::uintmax_t size = 0;
};

EngineRun packWithEngine(const Tree& tree, const fs::path& archive, bool flush) {
    TZipEngine engine("Archiver");
    engine.Options.FlushBuffers = flush;
    engine.SetCompressionMode(7);
    engine.FileName = archive.string();
    EngineRun run;
    Clock::time_point cut;
    engine.OnOverallProgress = [&](TZEBaseArchiver&, double, TZEProcessOperation, TZEProgressPhase phase, bool&) {
        if (phase == ppStart) {
            cut = Clock::now();
        } else if (phase == ppEnd) {
            run.longestWindow = std::max(run.longestWindow, secondsSince(cut));
        }
    };
    const auto start = Clock::now();
    engine.OpenArchive(kOpenModeCreate);
    engine.BaseDir = tree.root.string() + "/";
    engine.NoCompressionMasks = {"*.mp3", "*.ogg"};
    for (const auto& name : tree.names) {
        engine.AddFiles(name, kSearchAttrFiles, "");
    }
    engine.CloseArchive();
    run.seconds = secondsSince(start);
    run.size = fs::file_size(archive);
    return run;
}

double packWithZip(const Tree& tree, const fs::path& archive) {
    const auto start = Clock::now();
    const auto command = "cd '" + tree.root.string() + "' && zip -q -7 -r '" + archive.string() + "' .";
    if (std::system(command.c_str()) != 0) {
        std::printf("zip failed\n");
    }
    return secondsSince(start);
}

void compare(const char* title, const Tree& tree, const fs::path& work, std::uintmax_t input) {
    const auto engineRun = packWithEngine(tree, work / "engine.gro", true);
    const double zipSeconds = packWithZip(tree, work / "zip.zip");
    const auto zipSize = fs::file_size(work / "zip.zip");
    std::printf("%s: %zu files, %.1f MB\n", title, tree.names.size(), static_cast<double>(input) / 1e6);
    std::printf("  engine, one AddFiles per file: %8.2f s  %10ju bytes\n", engineRun.seconds, engineRun.size);
    std::printf("  zip -7 -r:                     %8.2f s  %10ju bytes\n", zipSeconds, zipSize);
    std::printf("  time ratio engine/zip %.3f, size ratio %.3f\n", engineRun.seconds / zipSeconds,
                static_cast<double>(engineRun.size) / static_cast<double>(zipSize));
    std::printf("  longest time without a directory: %.3f s\n", engineRun.longestWindow);
    fs::remove(work / "engine.gro");
    fs::remove(work / "zip.zip");
}

} // namespace

int main(int argc, char** argv) {
    // Naming parts ("a", "b", "c") runs only those.
    const auto wanted = [&](const char* part) {
        if (argc < 2) {
            return true;
        }
        for (int i = 1; i < argc; ++i) {
            if (std::string(argv[i]) == part) {
                return true;
            }
        }
        return false;
    };
    const fs::path work = fs::temp_directory_path() / ("korvane-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);

    if (wanted("a")) {
        const auto large = makeTree(work / "large", 50, 4'000'000, false);
        compare("(a) large files", large, work, 50ull * 4'000'000);
    }
    if (wanted("b")) {
        const auto small = makeTree(work / "small", 2000, 6000, true);
        compare("(b) small files", small, work, 2000ull * 6000);
        // Where (b)'s time goes: the same run without flushing, and the directory bytes the calls rewrote.
        const auto unflushed = packWithEngine(small, work / "unflushed.gro", false);
        std::printf("  without the flush after each call: %.2f s\n", unflushed.seconds);
        const double perEntry = 46.0 + 30.0; // central header plus a name of about 30 bytes
        const double directoryBytes = perEntry * 2000.0 * 2001.0 / 2.0;
        std::printf("  directory bytes written over all calls: about %.0f MB\n", directoryBytes / 1e6);
    }
    if (wanted("c")) {
        const auto single = makeTree(work / "single", 1, 100'000'000, false);
        const auto singleRun = packWithEngine(single, work / "single.gro", true);
        std::printf("(c) one 100 MB file: %.2f s, without a directory for %.2f s\n", singleRun.seconds,
                    singleRun.longestWindow);
    }

    fs::remove_all(work);
    return 0;
}
