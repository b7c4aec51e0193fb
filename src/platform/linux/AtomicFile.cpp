#include "platform/AtomicFile.h"

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
        for (int attempt = 0; attempt < 100 && !file_.valid(); ++attempt) {
            path_ = target.string() + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
            // 0666 lets the umask decide, as for any new file.
            file_ = FileHandle::open(path_, O_WRONLY | O_CREAT | O_EXCL, 0666);
            if (!file_.valid() && errno != EEXIST) {
                break;
            }
        }
    }
    ~TemporaryFile() {
        file_.close();
        if (!committed_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool valid() const { return file_.valid(); }
    FileHandle& file() { return file_; }

    bool commit(const std::filesystem::path& target) {
        if (!file_.sync() || !file_.close() || ::rename(path_.c_str(), target.c_str()) != 0) {
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    std::string path_;
    FileHandle file_;
    bool committed_ = false;
};

} // namespace

void keepPermissionsOf(const std::filesystem::path& replaced, FileHandle& file) {
    struct stat info {};
    if (::stat(replaced.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        ::fchmod(static_cast<int>(file.descriptor()), info.st_mode & 07777);
    }
}

bool replaceFileAtomically(const std::filesystem::path& target, const FileContents& contents) {
    const auto real = fileToReplace(target);
    if (!real) {
        return false;
    }
    TemporaryFile temporary(*real);
    if (!temporary.valid()) {
        return false;
    }
    keepPermissionsOf(*real, temporary.file());
    if (!contents(temporary.file()) || !temporary.commit(*real)) {
        return false;
    }
    syncFolder(real->parent_path());
    return true;
}

} // namespace korvane
