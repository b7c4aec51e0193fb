// Byte-exact ZIP images made in code, for the cases the usual tools never produce.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace korvane::testing {

struct FixtureEntry {
    FixtureEntry(std::string name_, std::string data_ = {}, std::uint32_t attributes_ = 32)
        : name(std::move(name_)), data(std::move(data_)), attributes(attributes_) {}

    std::string name; // bytes as stored
    std::string data; // stored uncompressed
    std::uint32_t attributes = 32;
    std::uint16_t flags = 0;
    std::string extra;
    std::string comment;
    std::uint16_t date = 0x5A21;
    std::uint16_t time = 0x6B4C;
};

struct FixtureLayout {
    std::string comment;
    std::string prefix; // bytes ahead of the archive; offsets stay relative to the archive
    bool zip64 = false; // a Zip64 end record and locator between the directory and the end record
    std::uint32_t endSignature = 0x06054B50;
    bool writeCentralDirectory = true;
};

std::string buildZip(const std::vector<FixtureEntry>& entries, const FixtureLayout& layout = {});

// Little-endian helpers for patching images.
void putU16(std::string& bytes, std::size_t at, std::uint16_t value);
void putU32(std::string& bytes, std::size_t at, std::uint32_t value);
void putU64(std::string& bytes, std::size_t at, std::uint64_t value);
// The 22-byte end record with the given fields and no comment.
std::string endRecord(std::uint16_t entries, std::uint32_t dirSize, std::uint32_t dirOffset,
                      std::uint16_t commentLength = 0, std::uint32_t signature = 0x06054B50);

} // namespace korvane::testing
