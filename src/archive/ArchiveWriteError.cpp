#include "archive/ArchiveWriteError.h"

#include <cerrno>

// Windows tells a user's quota from a full disk by no error number of its own.
#ifndef EDQUOT
#define EDQUOT ENOSPC
#endif

namespace korvane {

namespace {

bool isDiskFull(int error) {
    return error == 0 || error == ENOSPC || error == EDQUOT || error == EFBIG;
}

std::string messageFor(const std::string& path, int error) {
    if (isDiskFull(error)) {
        return "The disk is full: cannot write file " + path;
    }
    // On Windows a program holding the archive open (the game, mostly) keeps it from being replaced.
    if (error == EBUSY) {
        return "Cannot replace file " + path + ": another program has it open; close the game and pack again";
    }
    return "Cannot write file " + path;
}

} // namespace

ArchiveWriteError::ArchiveWriteError(const std::string& path, int error)
    : FileError(messageFor(path, error)), diskFull_(isDiskFull(error)) {}

} // namespace korvane
