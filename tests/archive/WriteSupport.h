// Helpers of the writing tests: an independent reading of written archives, and the engines that write them.
#pragma once

#include "archive/ZipEngine.h"
#include "support/ArchiveCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

struct ZipEntryView {
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t size = 0;
    std::uint32_t localOffset = 0;
    std::string name; // bytes as stored
    std::string raw;  // the entry's data as stored
};

struct ZipView {
    bool ok = false;
    std::uint32_t directoryOffset = 0;
    std::vector<ZipEntryView> entries;
    const ZipEntryView* find(const std::string& name) const;
};

// Reads the end record at the very end, the directory it names, and each entry's local header and data.
ZipView readZip(const std::string& bytes);
// The entry's content: stored bytes, or raw deflate data inflated.
std::string contentOf(const ZipEntryView& entry);

// Source files under `base`; the archive goes to its own folder.
class WriteFixture : public ::testing::Test {
protected:
    TempDir base;
    TempDir out;
    std::filesystem::path archive = out.path() / "Map.gro";
};

// A created archive at mode 7 over the base folder, as the packing run sets it up.
std::unique_ptr<TZipEngine> createArchive(const std::filesystem::path& archive, const std::string& base);

// Lists a copy of the archive with the engine as every reading window does; the writer keeps the original locked.
std::vector<std::string> listCopy(const std::filesystem::path& archive);

} // namespace korvane::testing
