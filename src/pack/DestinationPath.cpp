#include "pack/DestinationPath.h"

#include "platform/GamePath.h"

#include <utility>

namespace korvane {

namespace {

// Windows takes a typed '/' as a separator as well as its own '\'; elsewhere '\' is a letter of a name.
constexpr std::string_view kSeparators = kNativeSeparator == '/' ? "/" : "\\/";

std::size_t nameStart(std::string_view path) {
    const auto separator = path.find_last_of(kSeparators);
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
