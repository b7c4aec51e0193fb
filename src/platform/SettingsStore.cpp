#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/Collation.h"
#include "platform/FileHandle.h"

#include <cstdlib>
#include <vector>

namespace korvane {
namespace {

// The file reads like a registry export: "[\Software\Korvane]" opens a key, "name"=... lines below it are
// its values. A string value is a quoted text with \\, \" (and our \n, \r) escaped; any other data
// (dword:..., hex:...) is kept as written and is a value of another type.
struct Value {
    std::string name;
    std::string data; // as written after '='
};

struct Key {
    std::string path;
    std::vector<Value> values;
};

constexpr std::string_view kMachineRoot = "HKEY_LOCAL_MACHINE";

// Key paths compare as the registry compares them: without letter case, with or without the leading
// backslash or the root's name.
std::string keyId(std::string_view path) {
    if (path.size() >= kMachineRoot.size() &&
        caseFoldKey(path.substr(0, kMachineRoot.size())) == caseFoldKey(kMachineRoot)) {
        path.remove_prefix(kMachineRoot.size());
    }
    while (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
    }
    while (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    return caseFoldKey(path);
}

std::string quote(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\':
            quoted += "\\\\";
            break;
        case '"':
            quoted += "\\\"";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        default:
            quoted.push_back(c);
        }
    }
    return quoted + "\"";
}

// Reads a quoted text at the start; the rest of the line is left in `rest`. Nothing when it is not one.
std::optional<std::string> unquote(std::string_view text, std::string_view* rest = nullptr) {
    if (text.empty() || text.front() != '"') {
        return std::nullopt;
    }
    std::string result;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (rest != nullptr) {
                *rest = text.substr(i + 1);
            }
            return result;
        }
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            result.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : next);
        } else {
            result.push_back(c);
        }
    }
    return std::nullopt;
}

std::vector<Key> parse(std::string_view text) {
    std::vector<Key> keys;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            keys.push_back({std::string(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        std::string_view rest;
        const auto name = unquote(line, &rest);
        if (!keys.empty() && name && !rest.empty() && rest.front() == '=') {
            keys.back().values.push_back({*name, std::string(rest.substr(1))});
        }
    }
    return keys;
}

std::string render(const std::vector<Key>& keys) {
    std::string text = "Windows Registry Editor Version 5.00\n";
    for (const auto& key : keys) {
        text += "\n[" + key.path + "]\n";
        for (const auto& value : key.values) {
            text += quote(value.name) + "=" + value.data + "\n";
        }
    }
    return text;
}

Key* findKey(std::vector<Key>& keys, std::string_view path) {
    const std::string id = keyId(path);
    for (auto& key : keys) {
        if (keyId(key.path) == id) {
            return &key;
        }
    }
    return nullptr;
}

Value* findValue(Key& key, std::string_view name) {
    const std::string id = caseFoldKey(name);
    for (auto& value : key.values) {
        if (caseFoldKey(value.name) == id) {
            return &value;
        }
    }
    return nullptr;
}

} // namespace

FileSettingsStore::FileSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::string FileSettingsStore::place() const {
    return file_.string();
}

std::optional<std::string> FileSettingsStore::readString(std::string_view key, std::string_view value) {
    const auto text = readWholeFile(file_);
    if (!text) {
        return std::nullopt;
    }
    auto keys = parse(*text);
    Key* found = findKey(keys, key);
    Value* entry = found != nullptr ? findValue(*found, value) : nullptr;
    if (entry == nullptr) {
        return std::nullopt;
    }
    std::string_view rest;
    const auto data = unquote(entry->data, &rest);
    if (!data || !rest.empty()) {
        throw SettingsError("Invalid data type for '" + std::string(value) + "'");
    }
    return data;
}

void FileSettingsStore::writeString(std::string_view key, std::string_view value, std::string_view data) {
    auto keys = parse(readWholeFile(file_).value_or(""));
    Key* found = findKey(keys, key);
    if (found == nullptr) {
        keys.push_back({std::string(key), {}});
        found = &keys.back();
    }
    Value* entry = findValue(*found, value);
    if (entry == nullptr) {
        found->values.push_back({std::string(value), {}});
        entry = &found->values.back();
    }
    entry->data = quote(data);

    std::error_code ignored;
    if (!file_.parent_path().empty()) {
        std::filesystem::create_directories(file_.parent_path(), ignored);
    }
    if (!writeFileAtomically(file_, render(keys))) {
        throw SettingsError("Failed to set data for '" + std::string(value) + "'");
    }
}

} // namespace korvane
