// A settings store held in memory for tests: records what was written and can be told to fail writes.
#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace korvane::testing {

class MemorySettingsStore : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::set<std::pair<std::string, std::string>> nonStrings; // values of another type
    bool failWrites = false;
    int writes = 0;

    std::optional<std::string> readString(std::string_view key, std::string_view value) override {
        const std::pair<std::string, std::string> id{key, value};
        if (nonStrings.count(id) != 0) {
            throw SettingsError("Invalid data type for '" + std::string(value) + "'");
        }
        const auto found = values.find(id);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    void writeString(std::string_view key, std::string_view value, std::string_view data) override {
        if (failWrites) {
            throw SettingsError("Failed to set data for '" + std::string(value) + "'");
        }
        ++writes;
        values[{std::string(key), std::string(value)}] = data;
    }
};

} // namespace korvane::testing
