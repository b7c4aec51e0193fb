// Errors of the file layer that reach the user as they are: "Cannot open file %s", "Cannot create file %s".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace korvane {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    static FileError cannotOpen(std::string_view path) { return FileError("Cannot open file " + std::string(path)); }
    static FileError cannotCreate(std::string_view path) {
        return FileError("Cannot create file " + std::string(path));
    }
};

} // namespace korvane
