// Environment variables changed for one test and put back as they were when it ends.
#pragma once

#include "support/Environment.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace korvane::testing {

class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            apply(name, value ? value->c_str() : nullptr);
        }
    }

    // Sets the variable, or removes it for a null value.
    void set(const std::string& name, const char* value) {
        if (!saved_.contains(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        apply(name, value);
    }

private:
    static void apply(const std::string& name, const char* value) { setEnvironment(name.c_str(), value); }

    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace korvane::testing
