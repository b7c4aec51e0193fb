// Files compressed ahead on a worker thread while the engine writes the ones before them, so that packing
// uses a second core. Each job is taken by whichever thread comes to it first (the worker leaves the writer's
// next one alone): the writer compresses a file the worker has not begun itself, waits for one the worker is
// on, and takes a finished one only when the file it opened is the very file the worker read, unchanged since. The
// result is the bytes the writer would have made; the writer raises every event itself, so nothing a caller sees
// changes. Files below kAheadMinimum are left to the writer: handing them over costs more than deflating them.
#pragma once

#include "archive/ZipTypes.h"
#include "archive/internal/Compressor.h"
#include "platform/FileHandle.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace korvane {

inline constexpr std::uint64_t kAheadMinimum = 64u << 10;

class AheadCompressor {
public:
    AheadCompressor(std::vector<TZEAheadFile> files, std::uint8_t mode);
    ~AheadCompressor();
    AheadCompressor(const AheadCompressor&) = delete;
    AheadCompressor& operator=(const AheadCompressor&) = delete;

    // The worker's result for the file open as source, if it made one for this very file; none means
    // compress it here. Jobs before it are dropped: the writer has passed them.
    std::optional<Compressed> take(const std::string& path, const FileHandle& source);

private:
    enum class State { Waiting, Working, Done, Taken };
    struct Identity {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t changedSec = 0, changedNsec = 0;
        bool operator==(const Identity&) const = default;
    };
    struct Job {
        TZEAheadFile file;
        State state = State::Waiting;
        std::optional<Compressed> result;
        Identity identity;
    };

    void work();
    std::size_t nextForWorker();
    void drop(Job& job);
    static std::optional<Identity> identityOf(const FileHandle& file);
    std::optional<Compressed> compress(Job& job);

    std::uint8_t mode_;
    std::deque<Job> jobs_;
    std::unordered_map<std::string, std::size_t> byPath_;
    std::size_t next_ = 0;        // the first job nobody has taken up
    std::size_t passed_ = 0;      // jobs before this one the writer has gone past
    std::uint64_t heldBytes_ = 0; // bytes of finished results not yet taken
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread worker_;
};

} // namespace korvane
