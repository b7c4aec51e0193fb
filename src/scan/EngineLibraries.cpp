#include "scan/EngineLibraries.h"

#include "platform/FileError.h"
#include "scan/ScanFiles.h"

#include <algorithm>

namespace korvane {

namespace {

// A suffix longer than this is no suffix a game ships; the file is read no further.
constexpr std::size_t kMaxModExtBytes = 64;

} // namespace

std::string readModExt(const GameFolders& folders) {
    if (!gameFileExists(folders, "ModExt.txt")) {
        return {};
    }
    std::string text;
    try {
        ScanFile file(folders, "ModExt.txt");
        text.resize(std::min<std::uint64_t>(file.size(), kMaxModExtBytes));
        text.resize(file.readAt(0, text.data(), text.size()));
    } catch (const FileError&) {
        // The game reads no suffix from a file it cannot open either.
        return {};
    }
    text = text.substr(0, text.find('\0'));
    std::erase(text, '\r');
    return text;
}

std::string entityLibraryName(std::string_view packageName, std::string_view modExt) {
    const std::size_t slash = packageName.find_last_of('\\');
    const std::string_view file = slash == std::string_view::npos ? packageName : packageName.substr(slash + 1);
    const std::size_t dot = file.find_last_of('.');
    const std::string_view stem = dot == std::string_view::npos ? file : file.substr(0, dot);
    const std::string_view extension = dot == std::string_view::npos ? std::string_view{} : file.substr(dot);
    return "Bin\\" + std::string(stem) + std::string(modExt) + std::string(extension);
}

} // namespace korvane
