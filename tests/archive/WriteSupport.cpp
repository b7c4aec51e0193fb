#include "WriteSupport.h"

#include "ReadListing.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace korvane::testing {

namespace {

std::uint32_t le(const std::string& bytes, std::size_t at, int n) {
    std::uint32_t value = 0;
    for (int i = 0; i < n; ++i) {
        value |= std::uint32_t{static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)))} << (8 * i);
    }
    return value;
}

} // namespace

const ZipEntryView* ZipView::find(const std::string& name) const {
    for (const auto& entry : entries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

ZipView readZip(const std::string& bytes) {
    ZipView view;
    if (bytes.size() < 22 || le(bytes, bytes.size() - 22, 4) != 0x06054B50) {
        return view;
    }
    const auto end = bytes.size() - 22;
    const auto count = le(bytes, end + 10, 2);
    const auto directorySize = le(bytes, end + 12, 4);
    view.directoryOffset = le(bytes, end + 16, 4);
    if (view.directoryOffset + directorySize != end || le(bytes, end + 8, 2) != count) {
        return view;
    }
    std::size_t at = view.directoryOffset;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (le(bytes, at, 4) != 0x02014B50) {
            return view;
        }
        ZipEntryView e;
        e.flags = static_cast<std::uint16_t>(le(bytes, at + 8, 2));
        e.method = static_cast<std::uint16_t>(le(bytes, at + 10, 2));
        e.compressedSize = le(bytes, at + 20, 4);
        e.size = le(bytes, at + 24, 4);
        const auto nameLength = le(bytes, at + 28, 2);
        const auto extraLength = le(bytes, at + 30, 2);
        const auto commentLength = le(bytes, at + 32, 2);
        e.localOffset = le(bytes, at + 42, 4);
        e.name = bytes.substr(at + 46, nameLength);
        at += 46 + nameLength + extraLength + commentLength;
        if (le(bytes, e.localOffset, 4) != 0x04034B50) {
            return view;
        }
        const auto dataAt = e.localOffset + 30 + le(bytes, e.localOffset + 26, 2) + le(bytes, e.localOffset + 28, 2);
        e.raw = bytes.substr(dataAt, e.compressedSize);
        view.entries.push_back(std::move(e));
    }
    view.ok = at == end;
    return view;
}

std::string contentOf(const ZipEntryView& entry) {
    if (entry.method == 0) {
        return entry.raw;
    }
    z_stream stream{};
    inflateInit2(&stream, -15);
    std::string out(entry.size, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(entry.raw.data()));
    stream.avail_in = static_cast<uInt>(entry.raw.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.avail_in == 0 && stream.avail_out == 0;
    inflateEnd(&stream);
    return whole ? out : std::string("<bad deflate data>");
}

std::unique_ptr<TZipEngine> createArchive(const std::filesystem::path& archive, const std::string& base) {
    auto engine = std::make_unique<TZipEngine>("Archiver");
    engine->SetCompressionMode(7);
    engine->FileName = archive.string();
    engine->OpenArchive(kOpenModeCreate);
    engine->BaseDir = base;
    engine->NoCompressionMasks = {"*.mp3", "*.ogg"};
    return engine;
}

std::vector<std::string> listCopy(const std::filesystem::path& archive) {
    TempDir copy;
    const auto path = copy.path() / archive.filename();
    std::filesystem::copy_file(archive, path);
    return listArchive(path.string());
}

} // namespace korvane::testing
