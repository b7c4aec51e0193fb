#include "settings/SettingsFiles.h"

#include "platform/CodePages.h"
#include "platform/FileError.h"
#include "platform/FileFacts.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"
#include "settings/CachePair.h"

namespace korvane {
namespace {

const std::string kCacheFolder = "Temp";

// The path shown in messages: the native form of InstallRoot + "Temp\<name>".
std::string cacheFilePath(const AppState& state, std::string_view name) {
    return state.InstallRoot + kCacheFolder + kNativeSeparator + std::string(name);
}

std::string cacheGamePath(const AppState& state, std::string_view name) {
    return state.InstallRoot + kCacheFolder + "\\" + std::string(name);
}

std::vector<std::string> readCacheFile(const AppState& state, std::string_view name) {
    const auto source = resolveExisting(cacheGamePath(state, name));
    const auto bytes = source ? readWholeFile(*source) : std::nullopt;
    if (!bytes) {
        throw FileError::cannotOpen(cacheFilePath(state, name));
    }
    return decodeCacheLines(*bytes);
}

} // namespace

void ReadInstallRoot(AppState& state, SettingsStore& store) {
    state.InstallRoot = store.readString(kSettingsKey, kInstallRootValue).value_or("");
}

void WriteInstallRoot(const AppState& state, SettingsStore& store) {
    store.writeString(kSettingsKey, kInstallRootValue, state.InstallRoot);
}

void SaveStandardLists(const AppState& state) {
    // A failed creation shows up as the first file that cannot be created.
    if (!folderExists(state.InstallRoot + kCacheFolder)) {
        createFolder(state.InstallRoot + kCacheFolder);
    }
    const auto folder = resolveExisting(state.InstallRoot + kCacheFolder);
    if (!folder) {
        throw FileError::cannotCreate(cacheFilePath(state, kGroCacheName));
    }
    const std::string failed =
        replaceCacheFiles(*folder, {{std::string(kGroCacheName), encodeCacheLines(state.StandardGroList.names())},
                                    {std::string(kFilesCacheName), encodeCacheLines(state.StandardFiles.names())}});
    if (!failed.empty()) {
        throw FileError::cannotCreate(cacheFilePath(state, failed));
    }
}

bool StandardListsExist(const AppState& state) {
    if (const auto folder = resolveExisting(state.InstallRoot + kCacheFolder)) {
        finishCacheReplacement(*folder);
    }
    return fileExists(cacheGamePath(state, kFilesCacheName)) && fileExists(cacheGamePath(state, kGroCacheName));
}

bool LoadStandardLists(AppState& state) {
    if (!StandardListsExist(state)) {
        return false;
    }
    const auto files = readCacheFile(state, kFilesCacheName);
    const auto gros = readCacheFile(state, kGroCacheName);
    state.StandardFiles.assign(files, true);
    state.StandardGroList.assign(gros, false);
    return true;
}

std::string encodeCacheLines(const std::vector<std::string>& entries) {
    std::string bytes;
    for (const auto& entry : entries) {
        appendAnsiReplacing(bytes, entry);
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> decodeCacheLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(ansiToUtf8(bytes.substr(start)));
            break;
        }
        lines.push_back(ansiToUtf8(bytes.substr(start, end - start)));
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

} // namespace korvane
