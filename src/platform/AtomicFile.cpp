#include "platform/AtomicFile.h"

#include <system_error>

namespace korvane {

std::optional<std::filesystem::path> fileToReplace(const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::symlink_status(target, error).type() != std::filesystem::file_type::symlink) {
        return target;
    }
    auto real = std::filesystem::weakly_canonical(target, error);
    return error ? std::nullopt : std::optional(std::move(real));
}

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    return replaceFileAtomically(target,
                                 [bytes](FileHandle& file) { return file.writeAllAt(bytes.data(), bytes.size(), 0); });
}

} // namespace korvane
