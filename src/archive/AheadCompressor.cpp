#include "archive/internal/AheadCompressor.h"

#include <algorithm>
#include <filesystem>

namespace korvane {

namespace {

// Finished results waiting for the writer are held to this many bytes; the worker waits beyond it.
constexpr std::uint64_t kHeldLimit = 64u << 20;

} // namespace

AheadCompressor::AheadCompressor(std::vector<TZEAheadFile> files, std::uint8_t mode) : mode_(mode) {
    for (TZEAheadFile& file : files) {
        byPath_.emplace(file.Path, jobs_.size());
        jobs_.push_back(Job{std::move(file), State::Waiting, std::nullopt, {}});
    }
    worker_ = std::thread([this] { work(); });
}

AheadCompressor::~AheadCompressor() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

std::optional<AheadCompressor::Identity> AheadCompressor::identityOf(const FileHandle& file) {
    const auto facts = file.identity();
    if (!facts) {
        return std::nullopt;
    }
    return Identity{facts->device, facts->file, facts->size, facts->changedSeconds, facts->changedNanoseconds};
}

// Outside the lock: the file is opened as the writer opens it and compressed as the writer would.
std::optional<Compressed> AheadCompressor::compress(Job& job) {
    // A look at the size first: a small file is never opened twice.
    std::error_code error;
    const auto size = std::filesystem::file_size(job.file.Path, error);
    if (error || size < kAheadMinimum) {
        return std::nullopt;
    }
    const ContainedFile opened = openInside(job.file.Path, job.file.Folder);
    const auto identity = opened.handle.valid() ? identityOf(opened.handle) : std::nullopt;
    if (!identity || identity->size < kAheadMinimum || identity->size > kWholeFileLimit) {
        return std::nullopt;
    }
    job.identity = *identity;
    Compressed result;
    std::uint64_t offset = 0;
    const ReadBlock read = [&](std::span<std::uint8_t> block) {
        const std::size_t got = opened.handle.readCheckedAt(block.data(), block.size(), offset).value_or(0);
        offset += got;
        return got;
    };
    const WriteBlock write = [&](std::span<const std::uint8_t> data) {
        result.bytes.assign(data.begin(), data.end());
        return true;
    };
    try {
        const auto outcome =
            compressBlocks({mode_, true, identity->size, true}, read, write, [](std::uint64_t) { return false; });
        if (outcome.processed != identity->size) {
            return std::nullopt;
        }
        result.crc = outcome.crc;
    } catch (...) {
        return std::nullopt; // the writer meets the same failure and reports it
    }
    return result;
}

// The worker skips the job the writer comes to next, which the writer does itself: each thread then has a file
// of its own to deflate.
std::size_t AheadCompressor::nextForWorker() {
    next_ = std::max(next_, passed_ + 1);
    while (next_ < jobs_.size() && jobs_[next_].state != State::Waiting) {
        ++next_;
    }
    return next_;
}

void AheadCompressor::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock,
                      [this] { return stopping_ || (nextForWorker() < jobs_.size() && heldBytes_ < kHeldLimit); });
        if (stopping_) {
            return;
        }
        const std::size_t index = next_;
        Job& job = jobs_[index];
        job.state = State::Working;
        lock.unlock();
        std::optional<Compressed> result = compress(job);
        lock.lock();
        heldBytes_ += result ? result->bytes.size() : 0;
        job.result = std::move(result);
        job.state = State::Done;
        if (index < passed_) {
            drop(job);
        }
        changed_.notify_all();
    }
}

void AheadCompressor::drop(Job& job) {
    heldBytes_ -= job.result ? job.result->bytes.size() : 0;
    job.result.reset();
    job.state = State::Taken;
}

std::optional<Compressed> AheadCompressor::take(const std::string& path, const FileHandle& source) {
    std::unique_lock lock(mutex_);
    const auto found = byPath_.find(path);
    if (found == byPath_.end()) {
        return std::nullopt;
    }
    const std::size_t index = found->second;
    Job& job = jobs_[index];
    std::optional<Compressed> result;
    if (job.state == State::Waiting) {
        job.state = State::Taken; // not begun: this thread does it
    } else {
        changed_.wait(lock, [&job] { return job.state != State::Working; });
        if (job.state == State::Done && job.result && identityOf(source) == job.identity) {
            result = std::move(job.result);
            heldBytes_ -= result->bytes.size();
            job.result.reset();
        }
    }
    // The writer has gone past every job up to this one.
    for (std::size_t i = passed_; i <= index; ++i) {
        if (jobs_[i].state == State::Done) {
            drop(jobs_[i]);
        }
    }
    passed_ = std::max(passed_, index + 1);
    changed_.notify_all();
    return result;
}

} // namespace korvane
