// This machine's settings on Windows: the registry, as the game's platform keeps them.
#include "platform/SettingsStore.h"

#include "Wide.h"

#include <cstdlib>

namespace korvane {
namespace {

// An open key, closed with its owner.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// HKEY_LOCAL_MACHINE where it lets this user in, else the same key under HKEY_CURRENT_USER: reading looks in
// both, the machine's first; writing tries the machine's and falls back to the user's.
class RegistrySettingsStore : public SettingsStore {
public:
    std::optional<std::string> readString(std::string_view key, std::string_view value) override {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            RegistryKey opened;
            if (RegOpenKeyExW(root, registryKeyPath(key).c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) {
                continue;
            }
            if (auto found = readFrom(opened.get(), value)) {
                return found;
            }
        }
        return std::nullopt;
    }

    void writeString(std::string_view key, std::string_view value, std::string_view data) override {
        const std::wstring wide = toWide(data);
        const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            RegistryKey opened;
            if (RegCreateKeyExW(root, registryKeyPath(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, opened.out(),
                                nullptr) == ERROR_SUCCESS &&
                RegSetValueExW(opened.get(), toWide(value).c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS) {
                return;
            }
        }
        throw SettingsError("Failed to set data for '" + std::string(value) + "'");
    }

    std::string place() const override { return "the registry (HKEY_LOCAL_MACHINE\\Software\\Korvane)"; }

private:
    static std::optional<std::string> readFrom(HKEY key, std::string_view value) {
        const std::wstring name = toWide(value);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            throw SettingsError("Invalid data type for '" + std::string(value) + "'");
        }
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.resize(std::wcslen(data.c_str()));
        return fromWide(data);
    }
};

} // namespace

std::filesystem::path FileSettingsStore::defaultLocation() {
    const char* explicitFile = std::getenv("KORVANE_SETTINGS");
    return explicitFile != nullptr ? std::filesystem::path(explicitFile) : std::filesystem::path();
}

std::unique_ptr<SettingsStore> machineSettings() {
    if (const char* explicitFile = std::getenv("KORVANE_SETTINGS"); explicitFile != nullptr && *explicitFile != '\0') {
        return std::make_unique<FileSettingsStore>(explicitFile);
    }
    return std::make_unique<RegistrySettingsStore>();
}

} // namespace korvane
