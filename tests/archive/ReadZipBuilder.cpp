#include "ReadZipBuilder.h"

#include "archive/internal/ZipRecords.h"

#include <zlib.h>

namespace korvane::testing {
namespace {

void add16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void add32(std::string& out, std::uint32_t v) {
    add16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    add16(out, static_cast<std::uint16_t>(v >> 16));
}

std::uint32_t crcOf(const std::string& data) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

} // namespace

void putU16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}
void putU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    putU16(bytes, at, static_cast<std::uint16_t>(value & 0xFFFF));
    putU16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}
void putU64(std::string& bytes, std::size_t at, std::uint64_t value) {
    putU32(bytes, at, static_cast<std::uint32_t>(value & 0xFFFFFFFF));
    putU32(bytes, at + 4, static_cast<std::uint32_t>(value >> 32));
}

std::string endRecord(std::uint16_t entries, std::uint32_t dirSize, std::uint32_t dirOffset,
                      std::uint16_t commentLength, std::uint32_t signature) {
    std::string out;
    add32(out, signature);
    add16(out, 0);
    add16(out, 0);
    add16(out, entries);
    add16(out, entries);
    add32(out, dirSize);
    add32(out, dirOffset);
    add16(out, commentLength);
    return out;
}

std::string buildZip(const std::vector<FixtureEntry>& entries, const FixtureLayout& layout) {
    std::string body;
    std::string directory;
    for (const FixtureEntry& e : entries) {
        const auto offset = static_cast<std::uint32_t>(body.size());
        const std::uint32_t crc = crcOf(e.data);
        const auto size = static_cast<std::uint32_t>(e.data.size());
        add32(body, 0x04034B50);
        add16(body, 20);
        add16(body, e.flags);
        add16(body, 0);
        add16(body, e.time);
        add16(body, e.date);
        add32(body, crc);
        add32(body, size);
        add32(body, size);
        add16(body, static_cast<std::uint16_t>(e.name.size()));
        add16(body, 0);
        body += e.name;
        body += e.data;

        add32(directory, 0x02014B50);
        add16(directory, 20);
        add16(directory, 20);
        add16(directory, e.flags);
        add16(directory, 0);
        add16(directory, e.time);
        add16(directory, e.date);
        add32(directory, crc);
        add32(directory, size);
        add32(directory, size);
        add16(directory, static_cast<std::uint16_t>(e.name.size()));
        add16(directory, static_cast<std::uint16_t>(e.extra.size()));
        add16(directory, static_cast<std::uint16_t>(e.comment.size()));
        add16(directory, 0);
        add16(directory, 0);
        add32(directory, e.attributes);
        add32(directory, offset);
        directory += e.name + e.extra + e.comment;
    }
    const auto dirOffset = static_cast<std::uint32_t>(body.size());
    const auto dirSize = static_cast<std::uint32_t>(directory.size());
    const auto count = static_cast<std::uint16_t>(entries.size());
    std::string out = layout.prefix + body;
    if (layout.writeCentralDirectory) {
        out += directory;
    }
    ByteWriter writer(out);
    TZEZipCentralDirEnd end;
    end.Signature = layout.endSignature;
    end.EntriesOnThisDisk = end.TotalEntries = count;
    end.CentralDirSize = dirSize;
    end.CentralDirOffset = dirOffset;
    if (layout.zip64) {
        TZEZip64CentralDirEnd record;
        record.EntriesOnThisDisk = record.TotalEntries = entries.size();
        record.CentralDirSize = dirSize;
        record.CentralDirOffset = dirOffset;
        TZEZip64CentralDirEndLocator locator;
        locator.Zip64EndOffset = dirOffset + dirSize;
        writeZip64CentralDirEnd(writer, record);
        writeZip64Locator(writer, locator);
        end.EntriesOnThisDisk = end.TotalEntries = 0xFFFF;
        end.CentralDirSize = end.CentralDirOffset = 0xFFFFFFFF;
    }
    writeCentralDirEnd(writer, end);
    putU16(out, out.size() - 2, static_cast<std::uint16_t>(layout.comment.size()));
    return out + layout.comment;
}

} // namespace korvane::testing
