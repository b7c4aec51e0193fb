// A disk that fails: while the guard lives, every read of a file whose path holds the given text fails
// with EIO, in this process.
#pragma once

#include <string>

namespace korvane::testing {

class ReadFault {
public:
    explicit ReadFault(std::string pathPart);
    ~ReadFault();
    ReadFault(const ReadFault&) = delete;
    ReadFault& operator=(const ReadFault&) = delete;
};

} // namespace korvane::testing
