#include "cli/DemoInstallation.h"

#include "archive/ZipEngine.h"
#include "cli/DemoContent.h"
#include "cli/DemoMod.h"
#include "cli/StandardCache.h"
#include "platform/FileError.h"
#include "platform/GamePath.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace korvane::cli {

namespace {

std::string nativeName(std::string gamePath) {
    for (char& c : gamePath) {
        if (c == '\\') {
            c = kNativeSeparator;
        }
    }
    return gamePath;
}

void writeFile(const fs::path& folder, const DemoFile& file) {
    const fs::path path = folder / nativeName(file.gamePath);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    stream.close();
    if (!stream) {
        throw FileError::cannotCreate(path.string());
    }
}

// The archive is written the way the packing run writes one: each member added by its relative name from
// a folder that holds it under that name.
void writeArchive(const std::string& installRoot, const DemoArchive& archive) {
    const fs::path staging = fs::path(installRoot) / "Temp" / "DemoStandard";
    for (const DemoFile& member : archive.members) {
        writeFile(staging, member);
    }
    std::string failure;
    TZipEngine archiver;
    archiver.OnProcessFileFailure = [&failure](TZEBaseArchiver&, const std::string&, TZEProcessOperation, int, int,
                                               const std::string& message, TZEAction& action) {
        failure = message;
        action = fxaAbort;
    };
    archiver.SetCompressionMode(7);
    // The game plays only stored sounds, in its own archives too.
    archiver.NoCompressionMasks = {"*.mp3", "*.ogg"};
    archiver.FileName = installRoot + nativeName(archive.name);
    archiver.OpenArchive(kOpenModeCreate);
    archiver.BaseDir = staging.string() + kNativeSeparator;
    for (const DemoFile& member : archive.members) {
        archiver.AddFiles(member.gamePath, kSearchAttrFiles, "");
    }
    archiver.CloseArchive();
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    if (!failure.empty()) {
        throw UserError(failure);
    }
}

} // namespace

DemoResult createDemoInstallation(const std::string& dir, Console& console, TerminalProgress& progress) {
    std::error_code error;
    if (fs::exists(dir, error) && !fs::is_empty(dir, error)) {
        throw UserError("The demo installation needs an empty folder: " + dir + " is not empty.");
    }
    fs::create_directories(dir, error);
    const fs::path root = error ? fs::path() : fs::canonical(dir, error);
    if (error) {
        throw FileError::cannotCreate(dir);
    }
    DemoResult result;
    result.installRoot = root.string() + kNativeSeparator;
    for (const DemoFile& file : demoLooseFiles()) {
        writeFile(result.installRoot, file);
    }
    for (const DemoFile& file : demoModLooseFiles()) {
        writeFile(result.installRoot, file);
    }
    writeArchive(result.installRoot, demoModArchive());
    std::vector<std::string> archiveNames;
    for (const DemoArchive& archive : demoStandardArchives()) {
        writeArchive(result.installRoot, archive);
        archiveNames.push_back(archive.name);
    }
    const StandardCacheResult cache = buildStandardCache(result.installRoot, archiveNames, console, progress);
    result.complete = cache.saved && cache.complete;
    return result;
}

} // namespace korvane::cli
