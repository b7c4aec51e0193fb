#include "archive/internal/Compressor.h"

#include "archive/ZipTypes.h"
#include "platform/UserError.h"

#include <algorithm>
#include <libdeflate.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <zlib.h>

namespace korvane {

namespace {

constexpr std::size_t kZlibHeader = 2;
constexpr std::size_t kAdlerTrailer = 4;

// The library's own failure texts stay here: the user learns what could not be done.
[[noreturn]] void compressionFailed(bool outOfMemory) {
    throw UserError(outOfMemory ? "Cannot compress data: not enough memory." : "Cannot compress data.");
}

std::size_t outputSizeFor(std::size_t n) {
    const std::size_t worst = n + n / 10 + 12;
    return (worst + 255) / 256 * 256;
}

class Deflater {
public:
    explicit Deflater(int level) {
        const int result = deflateInit2(&stream_, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
        if (result != Z_OK) {
            compressionFailed(result == Z_MEM_ERROR);
        }
    }
    ~Deflater() { deflateEnd(&stream_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // One deflate call over the whole block; the buffer only grows if the worst case was not enough.
    std::size_t run(std::span<std::uint8_t> input, std::vector<std::uint8_t>& output, bool last) {
        stream_.next_in = input.data();
        stream_.avail_in = static_cast<uInt>(input.size());
        std::size_t produced = 0;
        for (;;) {
            stream_.next_out = output.data() + produced;
            stream_.avail_out = static_cast<uInt>(output.size() - produced);
            const int result = deflate(&stream_, last ? Z_FINISH : Z_SYNC_FLUSH);
            if (result < 0 && result != Z_BUF_ERROR) {
                compressionFailed(result == Z_MEM_ERROR);
            }
            produced = output.size() - stream_.avail_out;
            const bool done = last ? result == Z_STREAM_END : stream_.avail_out != 0;
            if (done) {
                return produced;
            }
            output.resize(output.size() * 2);
        }
    }

private:
    z_stream stream_{};
};

struct CompressorFree {
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

// The whole-buffer compressor searches harder than zlib at the same number: one level lower gives about zlib's
// size for that mode (within 1-2%) at little more than half the time.
int wholeLevel(std::uint8_t mode) {
    return std::max(1, mode - 1);
}

// One compressor per level and thread, kept: its set-up costs more than a small file's compression.
libdeflate_compressor& wholeCompressor(int level) {
    thread_local std::unique_ptr<libdeflate_compressor, CompressorFree> compressors[13];
    auto& compressor = compressors[level];
    if (!compressor) {
        compressor.reset(libdeflate_alloc_compressor(level));
        if (!compressor) {
            compressionFailed(true);
        }
    }
    return *compressor;
}

// The blocks are read (and reported) as the streaming form reads them; one call then deflates them all.
CompressOutcome compressWhole(const CompressJob& job, const ReadBlock& read, const WriteBlock& write,
                              const BlockProgress& progress) {
    CompressOutcome outcome;
    const std::size_t blockSize = compressionBlockSize(job.mode);
    const auto size = static_cast<std::size_t>(job.size);
    std::vector<std::uint8_t> input(size);
    std::uint32_t crc = 0;
    std::size_t got = 0;
    while (got < size) {
        if (progress(got)) {
            break;
        }
        const auto n = std::min(blockSize, size - got);
        if (read(std::span<std::uint8_t>(input.data() + got, n)) != n) {
            break;
        }
        crc = libdeflate_crc32(crc, input.data() + got, n);
        got += n;
    }
    outcome.crc = crc;
    if (got < size) {
        outcome.processed = got;
        return outcome;
    }
    auto& compressor = wholeCompressor(wholeLevel(job.mode));
    std::vector<std::uint8_t> output(libdeflate_deflate_compress_bound(&compressor, size));
    const std::size_t produced =
        libdeflate_deflate_compress(&compressor, input.data(), size, output.data(), output.size());
    if (produced == 0) {
        compressionFailed(false);
    }
    if (write(std::span<const std::uint8_t>(output.data(), produced))) {
        outcome.compressedSize = produced;
        outcome.processed = size;
    }
    return outcome;
}

} // namespace

CompressOutcome writeCompressed(const CompressJob& job, const Compressed& data, const WriteBlock& write,
                                const BlockProgress& progress) {
    CompressOutcome outcome;
    outcome.crc = data.crc;
    const std::size_t blockSize = compressionBlockSize(job.mode);
    for (std::uint64_t got = 0; got < job.size; got += blockSize) {
        if (progress(got)) {
            outcome.processed = got;
            return outcome;
        }
    }
    if (write(std::span<const std::uint8_t>(data.bytes.data(), data.bytes.size()))) {
        outcome.compressedSize = data.bytes.size();
        outcome.processed = job.size;
    }
    return outcome;
}

CompressOutcome compressBlocks(const CompressJob& job, const ReadBlock& read, const WriteBlock& write,
                               const BlockProgress& progress) {
    if (job.whole && job.deflated && job.size <= kWholeFileLimit) {
        return compressWhole(job, read, write, progress);
    }
    CompressOutcome outcome;
    const std::size_t blockSize = compressionBlockSize(job.mode);
    const std::size_t firstBlock = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, job.size));
    std::vector<std::uint8_t> input(firstBlock);
    std::vector<std::uint8_t> output;
    std::optional<Deflater> deflater;
    if (job.deflated) {
        deflater.emplace(job.mode);
        output.resize(outputSizeFor(firstBlock));
    }
    uLong crc = crc32_z(0, nullptr, 0);
    while (outcome.processed < job.size) {
        if (progress(outcome.processed)) {
            break;
        }
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, job.size - outcome.processed));
        const std::span<std::uint8_t> block(input.data(), n);
        if (read(block) != n) {
            break;
        }
        crc = crc32_z(crc, block.data(), n);
        std::span<const std::uint8_t> data = block;
        if (deflater) {
            const bool first = outcome.processed == 0;
            const bool last = outcome.processed + n == job.size;
            std::size_t produced = deflater->run(block, output, last);
            const std::size_t skip = first ? kZlibHeader : 0;
            produced -= last ? kAdlerTrailer : 0;
            data = std::span<const std::uint8_t>(output.data() + skip, produced - skip);
        }
        if (!write(data)) {
            break;
        }
        outcome.compressedSize += data.size();
        outcome.processed += n;
    }
    outcome.crc = static_cast<std::uint32_t>(crc);
    return outcome;
}

} // namespace korvane
