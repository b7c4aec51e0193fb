#include "support/ReadFault.h"

#include <cerrno>
#include <dlfcn.h>
#include <optional>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>

namespace korvane::testing {
namespace {

std::optional<std::string> failing;

bool fails(int fd) {
    if (!failing) {
        return false;
    }
    char path[4096];
    const ssize_t length = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    return length > 0 && std::string_view(path, static_cast<std::size_t>(length)).find(*failing) != std::string::npos;
}

using Pread = ssize_t (*)(int, void*, size_t, off_t);

ssize_t readThrough(const char* name, int fd, void* buffer, size_t size, off_t offset) {
    if (fails(fd)) {
        errno = EIO;
        return -1;
    }
    return reinterpret_cast<Pread>(::dlsym(RTLD_NEXT, name))(fd, buffer, size, offset);
}

} // namespace

ReadFault::ReadFault(std::string pathPart) {
    failing = std::move(pathPart);
}

ReadFault::~ReadFault() {
    failing.reset();
}

} // namespace korvane::testing

// The program's reads resolve to these before the system library's.
extern "C" ssize_t pread(int fd, void* buffer, size_t size, off_t offset) {
    return korvane::testing::readThrough("pread", fd, buffer, size, offset);
}
extern "C" ssize_t pread64(int fd, void* buffer, size_t size, off_t offset) {
    return korvane::testing::readThrough("pread64", fd, buffer, size, offset);
}
