// A nearly full disk: files may grow only to a given size, in this process while the guard lives or in a
// forked child for one job.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <string>

namespace korvane::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

// Runs the job in a forked child under the limit and returns the text it returned; a child that dies
// returns "child died".
std::string withFileSizeLimitInChild(rlim_t bytes, const std::function<std::string()>& job);

} // namespace korvane::testing
