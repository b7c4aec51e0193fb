// A call that must fail with an error of a given type and exactly the given text.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace korvane::testing {

// The error thrown, for further checks; none (and a test failure) when the call threw nothing of that type.
template <typename Error, typename Call> std::optional<Error> expectError(Call&& call, const std::string& text) {
    try {
        call();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), text);
        return error;
    }
    ADD_FAILURE() << "no error, expected: " << text;
    return std::nullopt;
}

} // namespace korvane::testing
