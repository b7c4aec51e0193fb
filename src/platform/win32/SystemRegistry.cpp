#include "platform/SystemRegistry.h"

#include "Wide.h"

namespace korvane {
namespace {

std::optional<std::string> readString(HKEY root, REGSAM view, const std::wstring& key, const std::wstring& value) {
    DWORD size = 0;
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueW(root, key.c_str(), value.c_str(), flags | view, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(root, key.c_str(), value.c_str(), flags | view, nullptr, data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(wcsnlen(data.c_str(), data.size()));
    return fromWide(data);
}

} // namespace

std::optional<std::string> readSystemRegistry(RegistryHive hive, std::string_view key, std::string_view value) {
    const std::wstring wideKey = registryKeyPath(key);
    const std::wstring wideValue = toWide(value);
    if (hive == RegistryHive::User) {
        return readString(HKEY_CURRENT_USER, 0, wideKey, wideValue);
    }
    if (auto found = readString(HKEY_LOCAL_MACHINE, RRF_SUBKEY_WOW6432KEY, wideKey, wideValue)) {
        return found;
    }
    return readString(HKEY_LOCAL_MACHINE, RRF_SUBKEY_WOW6464KEY, wideKey, wideValue);
}

} // namespace korvane
