#include "pack/DestinationPath.h"

#include "platform/GamePath.h"

#include <utility>

namespace korvane {

namespace {

std::size_t nameStart(std::string_view path) {
    const auto separator = path.find_last_of(kNativeSeparators);
    return separator == std::string_view::npos ? 0 : separator + 1;
}

} // namespace

std::string_view destinationName(std::string_view path) {
    return path.substr(nameStart(path));
}

std::string withGroExtension(std::string path) {
    return withDefaultExtension(std::move(path), "gro");
}

std::string destinationFolder(std::string_view path) {
    const auto start = nameStart(path);
    if (start == 0) {
        return {};
    }
    return std::string(path.substr(0, start == 1 ? 1 : start - 1));
}

std::string destinationFolderPath(std::string_view path) {
    return std::string(path.substr(0, nameStart(path)));
}

} // namespace korvane
