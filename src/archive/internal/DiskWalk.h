// The mask walk of AddFiles: which disk files and folders a mask takes, resolved against an absolute base.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane {

// Held for the whole of every disk walk in the process.
extern std::mutex EngineLock;

struct DiskWalkSettings {
    std::string base;    // absolute folder that relative masks are resolved against
    std::string baseDir; // the engine's BaseDir as given
    std::uint16_t searchAttr = 0;
    std::vector<std::string> exclusions;
    // The archive being written, by device and inode: never taken, whatever its name looks like.
    std::pair<std::uint64_t, std::uint64_t> archiveIdentity{0, 0};
};

class DiskWalk {
public:
    // The found-file step after the exclusion test: the full name (a folder ends with '/') and the attribute
    // bits its folder listing gave.
    using FoundStep = std::function<void(const std::string& fullName, bool isFolder, std::uint32_t attributes)>;

    DiskWalk(DiskWalkSettings settings, FoundStep found);

    void walk(const std::string& folder, const std::string& mask, bool recursive);

private:
    bool excluded(const std::string& fullName, bool isFolder) const;
    bool takeFound(const std::string& folder, const std::string& name, bool isFolder, std::uint32_t attributes);
    void walkSubFolders(const std::string& folder, const std::string& mask, bool relative, const std::string& fullMask,
                        bool recursive);

    DiskWalkSettings settings_;
    FoundStep found_;
    // Folders on the way down, by device and inode, so that a linked loop ends.
    std::set<std::pair<std::uint64_t, std::uint64_t>> entered_;
};

} // namespace korvane
