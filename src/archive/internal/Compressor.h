// The data of one entry: the source read in blocks, each deflated with one call or stored as read.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace korvane {

struct CompressJob {
    std::uint8_t mode = 0; // zlib level, and the block size
    bool deflated = false; // method 8, else stored
    std::uint64_t size = 0;
    // Deflate the whole file in one piece (read block by block, then written at once): faster, and at most
    // kWholeFileLimit bytes plus their compressed form in memory.
    bool whole = false;
};

inline constexpr std::uint64_t kWholeFileLimit = 16u << 20;

struct CompressOutcome {
    std::uint32_t crc = 0;
    std::uint64_t compressedSize = 0;
    std::uint64_t processed = 0; // below the job's size when a read, a write or the progress stopped it
};

// A whole file deflated ahead of its turn.
struct Compressed {
    std::uint32_t crc = 0;
    std::vector<std::uint8_t> bytes; // raw deflate data
};

// Reads up to the span's size; returns how many bytes arrived.
using ReadBlock = std::function<std::size_t(std::span<std::uint8_t>)>;
// Writes all of it or reports false.
using WriteBlock = std::function<bool(std::span<const std::uint8_t>)>;
// Raised before each block with the bytes processed so far; true cancels.
using BlockProgress = std::function<bool(std::uint64_t processed)>;

// Raw deflate data: no zlib header and no Adler-32 trailer; every block but the last ends with the empty
// stored block of a sync flush, unless the job deflates the whole file at once. A compressor failure throws.
CompressOutcome compressBlocks(const CompressJob& job, const ReadBlock& read, const WriteBlock& write,
                               const BlockProgress& progress);
// What compressBlocks gives for a whole-file job whose data was deflated ahead: the same progress reports,
// then the data written.
CompressOutcome writeCompressed(const CompressJob& job, const Compressed& data, const WriteBlock& write,
                                const BlockProgress& progress);

} // namespace korvane
