// The settings file as any editor may leave it: reading never crashes, and a value Korvane writes reads
// back as written. Slow per run, since every write syncs the file.
#include "platform/SettingsStore.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

void settingsFileRoundTrip(std::string_view bytes) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("korvane-fuzz-" + std::to_string(getpid()) + ".reg");
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    korvane::FileSettingsStore store(file);
    const std::string data(bytes.substr(0, bytes.size() / 2));
    try {
        store.readString("\\Software\\Korvane", "SSPath15");
        store.writeString("\\Software\\Korvane", "SSPath15", data);
        if (store.readString("\\Software\\Korvane", "SSPath15") != data) {
            std::abort();
        }
    } catch (const korvane::SettingsError&) {
        // A value of another type under our name is the store's own message, not a crash.
    }
    std::filesystem::remove(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    settingsFileRoundTrip(bytes);
    return 0;
}
