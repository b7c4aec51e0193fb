// Errors of the file layer that reach the user as they are: "Cannot open file %s", "Cannot create file %s".
#pragma once

#include "platform/UserError.h"

#include <string>
#include <string_view>

namespace korvane {

class FileError : public UserError {
public:
    using UserError::UserError;
    static FileError cannotOpen(std::string_view path) { return FileError("Cannot open file " + std::string(path)); }
    static FileError cannotCreate(std::string_view path) {
        return FileError("Cannot create file " + std::string(path));
    }
};

} // namespace korvane
