// The one base of the errors whose message is written for the user: front ends show what() of these and of
// nothing else.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace korvane {

class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Shown for any other failure, whose own text comes from a library and means nothing to a map maker.
inline constexpr const char* kUnexpectedError = "An unexpected error stopped the operation.";

// The text to show for a caught exception: a UserError's own message, else the fixed one above.
std::string userMessageOf(std::exception_ptr error);

} // namespace korvane
