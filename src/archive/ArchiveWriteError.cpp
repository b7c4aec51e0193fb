#include "archive/ArchiveWriteError.h"

#include <cerrno>

namespace korvane {

namespace {

bool isDiskFull(int error) {
    return error == 0 || error == ENOSPC || error == EDQUOT || error == EFBIG;
}

} // namespace

ArchiveWriteError::ArchiveWriteError(const std::string& path, int error)
    : FileError(isDiskFull(error) ? "The disk is full: cannot write file " + path : "Cannot write file " + path),
      diskFull_(isDiskFull(error)) {}

} // namespace korvane
