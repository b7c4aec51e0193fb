// Reads a finished archive with outside tools: its members through Python's zipfile, and the verdicts of
// unzip, 7z and bsdtar.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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

inline std::string hexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
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
                               "z=zipfile.ZipFile(sys.argv[1])\n"
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

// unzip, 7z and bsdtar, where installed, accept the archive and its data.
inline void expectToolsAccept(const std::filesystem::path& archive) {
    const std::pair<const char*, std::string> tools[] = {
        {"unzip", "unzip -tqq " + quoted(archive)},
        {"7z", "7z t " + quoted(archive)},
        {"bsdtar", "bsdtar -xOf " + quoted(archive) + " > /dev/null"},
    };
    for (const auto& [tool, command] : tools) {
        if (commandExists(tool)) {
            const auto [output, ok] = runCommand(command);
            EXPECT_TRUE(ok) << tool << ": " << output;
        }
    }
}

} // namespace korvane::testing
