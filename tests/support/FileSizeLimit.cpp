#include "support/FileSizeLimit.h"

#include <sys/wait.h>
#include <unistd.h>

namespace korvane::testing {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    // A write past the limit then fails instead of ending the process.
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
}

std::string withFileSizeLimitInChild(rlim_t bytes, const std::function<std::string()>& job) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        std::string text;
        {
            const FileSizeLimit limit(bytes);
            text = job();
        }
        for (std::size_t done = 0; done < text.size();) {
            const auto put = ::write(pipe[1], text.data() + done, text.size() - done);
            if (put <= 0) {
                break;
            }
            done += static_cast<std::size_t>(put);
        }
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "child died";
}

} // namespace korvane::testing
