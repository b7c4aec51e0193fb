#include "platform/SystemRegistry.h"

namespace korvane {

std::optional<std::string> readSystemRegistry(RegistryHive, std::string_view, std::string_view) {
    return std::nullopt;
}

} // namespace korvane
