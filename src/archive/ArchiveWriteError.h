// A write to the archive file that did not complete: the archive being written is lost, never half kept.
#pragma once

#include "platform/FileError.h"

#include <string>

namespace korvane {

class ArchiveWriteError : public FileError {
public:
    // `error` is the errno of the failed write or flush; 0 stands for a write that took no bytes.
    ArchiveWriteError(const std::string& path, int error);

    // No space left on the device, the user's quota or the largest file allowed.
    bool diskFull() const { return diskFull_; }

private:
    bool diskFull_;
};

} // namespace korvane
