// The machine-wide settings the game's platform keeps in its registry (HKEY_LOCAL_MACHINE), as a small text
// file: $KORVANE_SETTINGS when set, else $XDG_CONFIG_HOME/korvane/settings.reg (~/.config when unset).
#pragma once

#include "platform/UserError.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// "Invalid data type for '%s'", "Failed to set data for '%s'": the store's own messages.
class SettingsError : public UserError {
public:
    using UserError::UserError;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Key paths are written as "\Software\Korvane". A missing key or value gives nothing; a value that is
    // not a string throws SettingsError "Invalid data type for '<value>'".
    virtual std::optional<std::string> readString(std::string_view key, std::string_view value) = 0;
    // Creates the key when missing. Throws SettingsError "Failed to set data for '<value>'" on failure.
    virtual void writeString(std::string_view key, std::string_view value, std::string_view data) = 0;
    // Where the settings are kept, for messages.
    virtual std::string place() const { return {}; }
};

// This machine's settings: on Windows the registry (HKEY_LOCAL_MACHINE, or the same key under
// HKEY_CURRENT_USER where the machine's key is refused) unless KORVANE_SETTINGS names a file; elsewhere the
// file below.
std::unique_ptr<SettingsStore> machineSettings();

// The file-backed store; written whole through a temporary file and a rename.
class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path file);
    static std::filesystem::path defaultLocation();

    std::optional<std::string> readString(std::string_view key, std::string_view value) override;
    void writeString(std::string_view key, std::string_view value, std::string_view data) override;
    std::string place() const override;

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace korvane
