// The command line as a user runs it, whole processes side by side with "unzip -Z1" on the same archives:
// "korvane list" of a 50,000-member archive, and "korvane standard build" over six archives of 40,000 members
// against listing the six. Each korvane given on the command line (default: this build's) is timed in the same
// rounds, so a build without windows and the default build can be compared in one run.
#include "BenchRecords.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using korvane::bench::writeListingArchive;

constexpr int kRounds = 15;

struct Times {
    double wall = 0; // milliseconds
    double cpu = 0;  // user + system, milliseconds
};

// One run with standard output and error thrown away; nothing when it fails.
bool runOnce(const std::vector<std::string>& words, Times& times) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& word : words) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    times.wall += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    times.cpu += ms(usage.ru_utime) + ms(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A job is one or more processes run one after the other; its time is their sum.
using Job = std::vector<std::vector<std::string>>;

// The median round of each job, the jobs taking turns within every round.
std::vector<Times> medians(const std::vector<Job>& jobs) {
    std::vector<std::vector<Times>> rounds(jobs.size());
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            Times times;
            for (const auto& words : jobs[j]) {
                if (!runOnce(words, times)) {
                    std::fprintf(stderr, "failed: %s\n", words.front().c_str());
                }
            }
            rounds[j].push_back(times);
        }
    }
    std::vector<Times> result;
    for (auto& list : rounds) {
        const auto middle = [&](auto field) {
            std::vector<double> values;
            for (const Times& t : list) {
                values.push_back(t.*field);
            }
            std::nth_element(values.begin(), values.begin() + kRounds / 2, values.end());
            return values[kRounds / 2];
        };
        result.push_back({middle(&Times::wall), middle(&Times::cpu)});
    }
    return result;
}

// Names as an installation holds them: thousands in one folder, deep folders, Cyrillic names.
std::string memberName(int archive, int i) {
    if (i % 10 == 0) {
        return "Textures/Текстуры/Набор" + std::to_string(archive) + "/Стена" + std::to_string(i) + ".tex";
    }
    if (i % 3 == 0) {
        return "Sounds/Ambient/Loop" + std::to_string(archive) + "_" + std::to_string(i) + ".wav";
    }
    return "Models/Set" + std::to_string(archive) + "/Part" + std::to_string(i / 50) + "/Deep/Mesh" +
           std::to_string(i) + ".mdl";
}

void report(const char* what, const std::vector<std::string>& programs, const std::vector<Times>& times,
            const char* target) {
    const Times& tool = times.back();
    std::printf("%s\n  unzip -Z1: %.1f ms wall, %.1f ms CPU\n", what, tool.wall, tool.cpu);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::printf("  %s: %.1f ms wall, %.1f ms CPU: %.2fx wall, %.2fx CPU (target %s wall)\n", programs[i].c_str(),
                    times[i].wall, times[i].cpu, times[i].wall / tool.wall, times[i].cpu / tool.cpu, target);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> programs(argv + 1, argv + argc);
    if (programs.empty()) {
        programs.push_back(KORVANE_PROGRAM);
    }
    const auto folder = korvane::bench::scratchFolder();
    if (!folder) {
        return 1;
    }
    const std::string big = (*folder / "Big.gro").string();
    std::vector<std::string> names;
    for (int i = 0; i < 50000; ++i) {
        names.push_back(memberName(9, i));
    }
    writeListingArchive(big, names);

    const fs::path root = *folder / "Game";
    fs::create_directories(root / "Bin");
    fs::create_directories(root / "Temp");
    std::FILE* marker = std::fopen((root / "Bin" / "SeriousSam.exe").c_str(), "w");
    if (marker != nullptr) {
        std::fclose(marker);
    }
    const int sizes[] = {12000, 8000, 6000, 6000, 4000, 4000};
    std::vector<std::string> archives;
    for (int a = 0; a < 6; ++a) {
        std::vector<std::string> members;
        for (int i = 0; i < sizes[a]; ++i) {
            // The last two overlap the first, as patches do.
            members.push_back(memberName(a >= 4 && i % 2 == 0 ? 0 : a, i));
        }
        archives.push_back("Archive" + std::to_string(a) + ".gro");
        writeListingArchive(root / archives.back(), members);
    }

    std::vector<Job> listJobs;
    std::vector<Job> buildJobs;
    for (const auto& program : programs) {
        listJobs.push_back({{program, "list", big}});
        std::vector<std::string> build{program, "standard", "build", "--root", root.string()};
        build.insert(build.end(), archives.begin(), archives.end());
        buildJobs.push_back({build});
    }
    listJobs.push_back({{"unzip", "-Z1", big}});
    Job unzipAll;
    for (const auto& archive : archives) {
        unzipAll.push_back({"unzip", "-Z1", (root / archive).string()});
    }
    buildJobs.push_back(unzipAll);

    report("korvane list, 50,000 members", programs, medians(listJobs), "<= 0.6x");
    report("korvane standard build, 40,000 members in 6 archives", programs, medians(buildJobs), "<= 1.0x");
    fs::remove_all(*folder);
    return 0;
}
