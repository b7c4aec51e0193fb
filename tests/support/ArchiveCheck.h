// Reads a finished archive with outside tools: its members through Python's zipfile, and the verdicts of
// unzip, 7z and bsdtar.
#pragma once

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::testing {

struct PipeCloser {
    void operator()(FILE* pipe) const { ::pclose(pipe); }
};

// The command's standard output, and whether it exited with 0.
inline std::pair<std::string, bool> runCommand(const std::string& command) {
    FILE* raw = ::popen((command + " 2>&1").c_str(), "r");
    if (raw == nullptr) {
        return {"", false};
    }
    std::unique_ptr<FILE, PipeCloser> pipe(raw);
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, got);
    }
    const int status = ::pclose(pipe.release());
    return {output, status == 0};
}

inline bool commandExists(const std::string& name) {
    return runCommand("command -v " + name).second;
}

inline std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

struct Member {
    std::string name;
    int method = -1;
    std::string bytes;
    bool operator==(const Member&) const = default;
};

inline void PrintTo(const Member& member, std::ostream* out) {
    *out << member.name << " (method " << member.method << ", " << member.bytes.size() << " bytes)";
}

inline std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// Every member in directory order, read and checked by Python's zipfile; empty when it refuses the file.
inline std::vector<Member> readMembers(const std::filesystem::path& archive) {
    const std::string script = "import sys,zipfile\n"
                               // Before 3.12 Python does not read the Unicode Path field; it is told the ANSI
                               // code page instead.
                               "z=zipfile.ZipFile(sys.argv[1], **({} if sys.version_info >= (3, 12) else "
                               "{'metadata_encoding': 'cp1251'}))\n"
                               "assert z.testzip() is None\n"
                               "for i in z.infolist(): print(i.filename, i.compress_type, z.read(i).hex(), sep='/')\n";
    const auto [output, ok] = runCommand("python3 -c \"" + script + "\" " + quoted(archive));
    EXPECT_TRUE(ok) << output;
    std::vector<Member> members;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        // The name holds '/' separators itself: the method and data are the last two fields.
        const auto dataAt = line.rfind('/');
        const auto methodAt = line.rfind('/', dataAt - 1);
        members.push_back({line.substr(0, methodAt), std::stoi(line.substr(methodAt + 1, dataAt - methodAt - 1)),
                           fromHex(line.substr(dataAt + 1))});
    }
    return members;
}

// unzip, 7z and bsdtar, where installed, accept the archive; bsdtar extracts each member byte for byte.
inline void expectToolsAccept(const std::filesystem::path& archive, const std::vector<Member>& members) {
    const std::pair<const char*, std::string> tools[] = {
        {"unzip", "unzip -tqq " + quoted(archive)},
        {"7z", "7z t " + quoted(archive)},
    };
    for (const auto& [tool, command] : tools) {
        if (commandExists(tool)) {
            const auto [output, ok] = runCommand(command);
            // unzip calls an archive without members a warning.
            EXPECT_TRUE(ok || (members.empty() && output.find("zipfile is empty") != std::string::npos))
                << tool << ": " << output;
        }
    }
    if (commandExists("bsdtar")) {
        TempDir out;
        const auto [output, ok] = runCommand("bsdtar -xf " + quoted(archive) + " -C " + quoted(out.path()));
        EXPECT_TRUE(ok) << "bsdtar: " << output;
        for (const auto& member : members) {
            if (!member.name.ends_with('/')) {
                EXPECT_TRUE(readFile(out.path() / member.name) == member.bytes) << "bsdtar differs: " << member.name;
            }
        }
    }
}

inline void expectToolsAccept(const std::filesystem::path& archive) {
    expectToolsAccept(archive, readMembers(archive));
}

// Every tool reads exactly these files with these contents.
inline void expectToolsAgree(const std::filesystem::path& archive, const std::map<std::string, std::string>& files) {
    const auto members = readMembers(archive);
    std::map<std::string, std::string> read;
    for (const auto& member : members) {
        read[member.name] = member.bytes;
    }
    EXPECT_TRUE(read == files) << "python zipfile reads other members in " << archive;
    expectToolsAccept(archive, members);
}

} // namespace korvane::testing
