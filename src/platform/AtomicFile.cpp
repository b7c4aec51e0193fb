#include "platform/AtomicFile.h"

#include "platform/FileFacts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace korvane {
namespace {

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = target.string() + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
            // 0666 lets the umask decide, as for any new file.
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST) {
                break;
            }
        }
    }
    ~TemporaryFile() {
        closeFile();
        if (!committed_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool valid() const { return fd_ >= 0; }

    bool write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    // The replaced file's permissions carry over, so readers of the old file can read the new one.
    void keepModeOf(const std::filesystem::path& target) {
        struct stat info {};
        if (::stat(target.c_str(), &info) == 0) {
            ::fchmod(fd_, info.st_mode & 07777);
        }
    }

    bool commit(const std::filesystem::path& target) {
        if (!flushToDisk(fd_) || !closeFile() || ::rename(path_.c_str(), target.c_str()) != 0) {
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    bool closeFile() {
        if (fd_ < 0) {
            return true;
        }
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    // A link is followed, so the file it names is replaced rather than the link itself.
    std::error_code error;
    const bool link = std::filesystem::symlink_status(target, error).type() == std::filesystem::file_type::symlink;
    const std::filesystem::path real = link ? std::filesystem::weakly_canonical(target, error) : target;
    if (link && error) {
        return false;
    }
    TemporaryFile temporary(real);
    if (!temporary.valid()) {
        return false;
    }
    temporary.keepModeOf(real);
    if (!temporary.write(bytes) || !temporary.commit(real)) {
        return false;
    }
    syncFolder(real.parent_path());
    return true;
}

} // namespace korvane
