// Packing speed and memory: the packing run of the windows next to "zip -7 -r" over the same tree, each in a
// child process of its own so that its time and peak memory are its alone.
// (a) 50 files of 4 MB, half compressible; (b) 2,000, (c) 8,000 and (d) 32,767 files of 4 KB in few folders, as a
// big mod keeps them: a quarter (10,000 at the game's limit) in one folder, the rest a thousand to a folder,
// half of those deep and half under Cyrillic names. The ratio to zip should not grow with the count.
#include "archive/ZipEngine.h"
#include "pack/PackingArchiver.h"
#include "pack/PackingEvents.h"
#include "pack/PackingRun.h"
#include "pack/PackingScreen.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "platform/UserDialogs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace korvane;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// Half of it compresses like game text, half is noise, in runs that mix within every file.
std::string content(std::size_t size, unsigned seed) {
    static const char* words[] = {"Texture", "Model", "vertex", "0.125", "Sound", "Level", "\r\n", "  ", "Actor"};
    std::mt19937 random(seed);
    std::string bytes;
    bytes.reserve(size + 64);
    while (bytes.size() < size) {
        if (random() % 2 == 0) {
            for (int i = 0; i < 32; ++i) {
                bytes.push_back(static_cast<char>(random()));
            }
        } else {
            for (int i = 0; i < 6; ++i) {
                bytes += words[random() % 9];
            }
        }
    }
    bytes.resize(size);
    return bytes;
}

struct Tree {
    fs::path root;
    std::vector<std::string> names; // game paths, '\' separators
    std::uint64_t bytes = 0;
};

std::string folderOf(int i, int files) {
    const int crowded = std::min(files / 4, 10'000);
    if (i < crowded) {
        return "Textures/Crowded";
    }
    const int set = (i - crowded) / 1000;
    return set % 2 == 0 ? "Textures/Набор" + std::to_string(set) : "Mods/Big/Models/Deep/Er/Set" + std::to_string(set);
}

Tree makeTree(const fs::path& root, int files, std::size_t size) {
    Tree tree{root, {}, 0};
    for (int i = 0; i < files; ++i) {
        const std::string name = folderOf(i, files) + "/File" + std::to_string(i) + ".tex";
        fs::create_directories((root / name).parent_path());
        const auto bytes = content(size, static_cast<unsigned>(i));
        std::ofstream(root / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        tree.bytes += bytes.size();
        std::string game = name;
        std::replace(game.begin(), game.end(), '/', '\\');
        tree.names.push_back(game);
    }
    return tree;
}

struct Measured {
    double seconds = 0;
    double cpu = 0;
    double peakMb = 0;
    bool ok = false;
};

// Runs `job` in a child process; its exit status 0 means success.
Measured inChild(const std::function<int()>& job) {
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(job());
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

class QuietWindows : public NoProgress, public UserDialogs, public Shell, public PackingScreen {
public:
    bool succeeded = false;

    void showMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool askYesNo(const std::string&) override {
        succeeded = true;
        return false;
    }
    bool askOkCancel(const std::string&) override { return false; }
    std::vector<std::string> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<std::string> saveFile(const SaveFileRequest&) override { return std::nullopt; }
    std::optional<std::string> pickFolder(const FolderRequest&) override { return std::nullopt; }
    bool openFolder(const std::string&) override { return true; }
    void openUrl(const std::string&) override {}
    void showDestination(const std::string&) override {}
    void clearLog() override {}
    void appendLine(const std::string&) override {}
    void extendLastLine(const std::string&) override {}
    void setBusy(bool) override {}
};

int packingRun(const Tree& tree, const fs::path& archive) {
    NameList files;
    for (const auto& name : tree.names) {
        files.append(name, true);
    }
    QuietWindows windows;
    PackingEvents events(windows, windows, windows);
    TZipEngine archiver("Archiver");
    applyPackingDefaults(archiver);
    bindPackingEvents(archiver, events);
    PackingRun run({archiver, events, windows, windows, windows, windows});
    run.run(tree.root.string() + "/", archive.string(), files);
    return windows.succeeded ? 0 : 1;
}

int zipRun(const Tree& tree, const fs::path& archive) {
    const auto command = "cd '" + tree.root.string() + "' && exec zip -q -7 -r '" + archive.string() + "' .";
    return std::system(command.c_str()) == 0 ? 0 : 1;
}

void compare(const char* title, const Tree& tree, const fs::path& work) {
    const auto korvane = inChild([&] { return packingRun(tree, work / "korvane.gro"); });
    // The child's figures include the zip it waits for.
    const auto zip = inChild([&] { return zipRun(tree, work / "zip.zip"); });
    const auto korvaneSize = korvane.ok ? fs::file_size(work / "korvane.gro") : 0;
    const auto zipSize = zip.ok ? fs::file_size(work / "zip.zip") : 0;
    std::printf("%s: %zu files, %.1f MB\n", title, tree.names.size(), static_cast<double>(tree.bytes) / 1e6);
    std::printf("  korvane packing run: %8.2f s wall %8.2f s cpu %8.1f MB peak %11ju bytes%s\n", korvane.seconds,
                korvane.cpu, korvane.peakMb, static_cast<std::uintmax_t>(korvaneSize), korvane.ok ? "" : " FAILED");
    std::printf("  zip -7 -r:           %8.2f s wall %8.2f s cpu %8.1f MB peak %11ju bytes%s\n", zip.seconds, zip.cpu,
                zip.peakMb, static_cast<std::uintmax_t>(zipSize), zip.ok ? "" : " FAILED");
    std::printf("  korvane/zip: wall %.2f, cpu %.2f, size %.3f\n", korvane.seconds / zip.seconds, korvane.cpu / zip.cpu,
                zipSize > 0 ? static_cast<double>(korvaneSize) / static_cast<double>(zipSize) : 0.0);
    std::fflush(stdout);
    fs::remove(work / "korvane.gro");
    fs::remove(work / "zip.zip");
}

} // namespace

int main(int argc, char** argv) {
    // Naming parts ("a" to "d") runs only those.
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
    const struct {
        const char* part;
        const char* title;
        int files;
        std::size_t size;
    } runs[] = {{"a", "(a) large files", 50, 4'000'000},
                {"b", "(b) 2,000 small files", 2000, 4'000},
                {"c", "(c) 8,000 small files", 8000, 4'000},
                {"d", "(d) 32,767 small files, the game's limit", 32767, 4'000}};
    for (const auto& run : runs) {
        if (wanted(run.part)) {
            const auto tree = makeTree(work / run.part, run.files, run.size);
            compare(run.title, tree, work);
            fs::remove_all(tree.root);
        }
    }
    fs::remove_all(work);
    return 0;
}
