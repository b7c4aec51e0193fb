// The Windows replacement: a hidden temporary file in the destination's folder, flushed, then moved over the
// old file with MoveFileExW, which replaces it in one step and returns once the move is on the disk.
#include "platform/AtomicFile.h"

#include "Wide.h"

#include <atomic>
#include <string>

namespace korvane {
namespace {

// Owns the temporary file until it has been moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && !file_.valid(); ++attempt) {
            path_ =
                target.parent_path() / ("~" + target.filename().string() + "." + std::to_string(GetCurrentProcessId()) +
                                        "-" + std::to_string(counter++) + ".tmp");
            const HANDLE handle =
                CreateFileW(longPath(path_).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
            if (handle != INVALID_HANDLE_VALUE) {
                file_ = FileHandle(reinterpret_cast<std::intptr_t>(handle));
            } else if (GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
    }
    ~TemporaryFile() {
        file_.close();
        if (!committed_) {
            DeleteFileW(longPath(path_).c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool valid() const { return file_.valid(); }
    FileHandle& file() { return file_; }

    bool commit(const std::filesystem::path& target) {
        if (!file_.sync() || !file_.close() ||
            MoveFileExW(longPath(path_).c_str(), longPath(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
            takeLastError();
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    std::filesystem::path path_;
    FileHandle file_;
    bool committed_ = false;
};

} // namespace

// The new file takes the replaced one's attributes (a new name: plain ones), which also drops the hidden bit
// the temporary file was made with.
void keepPermissionsOf(const std::filesystem::path& replaced, FileHandle& file) {
    const DWORD old = GetFileAttributesW(longPath(replaced).c_str());
    FILE_BASIC_INFO basic{};
    basic.FileAttributes =
        old == INVALID_FILE_ATTRIBUTES || (old & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FILE_ATTRIBUTE_NORMAL : old;
    SetFileInformationByHandle(reinterpret_cast<HANDLE>(file.descriptor()), FileBasicInfo, &basic, sizeof basic);
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
    if (!contents(temporary.file())) {
        return false;
    }
    keepPermissionsOf(*real, temporary.file());
    return temporary.commit(*real);
}

} // namespace korvane
