// The converted world file's bytes, written under a temporary name beside the destination and renamed into
// place once they are all on disk.
#include "convert/WorldVersionConverter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace korvane {

namespace {

// The temporary file: closed on every way out and removed unless it was committed under its final name.
class PendingFile {
public:
    explicit PendingFile(const std::filesystem::path& destination) {
        const auto folder = destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
        std::string name = (folder / ("." + destination.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkstemp(name.data());
        if (fd_ >= 0) {
            path_ = name;
        }
    }
    ~PendingFile() {
        closeFd();
        if (!committed_ && !path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool valid() const { return fd_ >= 0; }

    bool writeAt(const char* data, std::size_t size, off_t offset) {
        while (size > 0) {
            const ssize_t written = ::pwrite(fd_, data, size, offset);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
            offset += written;
        }
        return true;
    }

    // A created file gets the usual rights (mkstemp makes it private), reaches the disk, then takes its name.
    bool commit(const std::filesystem::path& destination) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd_, 0666 & ~mask) != 0 || ::fsync(fd_) != 0 || !closeFd()) {
            return false;
        }
        if (::rename(path_.c_str(), destination.c_str()) != 0) {
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    bool closeFd() {
        if (fd_ < 0) {
            return true;
        }
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

    int fd_ = -1;
    std::string path_;
    bool committed_ = false;
};

} // namespace

bool writeConvertedCopy(std::istream& source, const std::filesystem::path& destination) {
    PendingFile out(destination);
    if (!out.valid()) {
        return false;
    }
    source.clear();
    source.seekg(0);
    std::vector<char> buffer(1 << 16);
    off_t length = 0;
    while (source) {
        source.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(source.gcount());
        if (got > 0 && !out.writeAt(buffer.data(), got, length)) {
            return false;
        }
        length += static_cast<off_t>(got);
    }
    if (source.bad()) {
        return false;
    }
    constexpr off_t markerOffset = 4;
    if (length < markerOffset) {
        const std::vector<char> gap(static_cast<std::size_t>(markerOffset - length), '\0');
        if (!out.writeAt(gap.data(), gap.size(), length)) {
            return false;
        }
    }
    const char marker[2] = {static_cast<char>(kVersion107Marker[0]), static_cast<char>(kVersion107Marker[1])};
    return out.writeAt(marker, sizeof marker, markerOffset) && out.commit(destination);
}

} // namespace korvane
