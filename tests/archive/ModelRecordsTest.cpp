#include "archive/ZipRecords.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ModelRecords, EachRecordWritesItsSizeAndReadsBackTheSame) {
    std::string bytes;
    ByteWriter out(bytes);
    TZEZipCentralDir central;
    central.VersionMadeBy = 0x0314;
    central.Flags = 0x0800;
    central.Crc32 = 0xA684C7C6;
    central.CompressedSize = 0x01020304;
    central.ExternalAttributes = 0x81A40020;
    central.LocalHeaderOffset = 0xFFFFFFFF;
    writeCentralDir(out, central);
    ASSERT_EQ(bytes.size(), TZEZipCentralDir::kSize);
    EXPECT_EQ(bytes.substr(0, 4), "PK\x01\x02");
    ByteReader in(bytes);
    const TZEZipCentralDir back = readCentralDir(in);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(back.VersionMadeBy, central.VersionMadeBy);
    EXPECT_EQ(back.Crc32, central.Crc32);
    EXPECT_EQ(back.CompressedSize, central.CompressedSize);
    EXPECT_EQ(back.ExternalAttributes, central.ExternalAttributes);
    EXPECT_EQ(back.LocalHeaderOffset, central.LocalHeaderOffset);

    bytes.clear();
    const TZEZipLocalHeader local = localHeaderFrom(central);
    writeLocalHeader(out, local);
    ASSERT_EQ(bytes.size(), TZEZipLocalHeader::kSize);
    EXPECT_EQ(bytes.substr(0, 4), "PK\x03\x04");
    ByteReader localIn(bytes);
    EXPECT_EQ(readLocalHeader(localIn).Crc32, 0xA684C7C6u);

    bytes.clear();
    TZEZip64CentralDirEnd record;
    record.TotalEntries = 70000;
    record.CentralDirOffset = std::uint64_t{5} << 32;
    writeZip64CentralDirEnd(out, record);
    TZEZip64CentralDirEndLocator locator;
    locator.Zip64EndOffset = std::uint64_t{6} << 32;
    writeZip64Locator(out, locator);
    TZEZipCentralDirEnd end;
    end.CommentLength = 3;
    writeCentralDirEnd(out, end);
    ASSERT_EQ(bytes.size(),
              TZEZip64CentralDirEnd::kSize + TZEZip64CentralDirEndLocator::kSize + TZEZipCentralDirEnd::kSize);
    ByteReader all(bytes);
    const auto recordBack = readZip64CentralDirEnd(all);
    EXPECT_EQ(recordBack.Signature, kZip64EndSignature);
    EXPECT_EQ(recordBack.RecordSize, 44u);
    EXPECT_EQ(recordBack.TotalEntries, 70000u);
    EXPECT_EQ(recordBack.CentralDirOffset, std::uint64_t{5} << 32);
    EXPECT_EQ(readZip64Locator(all).Zip64EndOffset, std::uint64_t{6} << 32);
    const auto endBack = readCentralDirEnd(all);
    EXPECT_EQ(endBack.Signature, kEndOfCentralDirSignature);
    EXPECT_EQ(endBack.CommentLength, 3);
    EXPECT_TRUE(all.ok());
}

TEST(ModelRecords, ReadingPastTheEndFailsSoftlyAndStaysFailed) {
    const std::string bytes = "PK\x05\x06\x01";
    ByteReader in(bytes);
    EXPECT_EQ(in.u32(), kEndOfCentralDirSignature);
    EXPECT_EQ(in.u16(), 0); // one byte left: nothing read
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.u8(), 0); // even what would fit is refused once failed
    EXPECT_EQ(in.bytes(0), "");
    EXPECT_EQ(in.position(), 4u);

    ByteReader huge(bytes);
    EXPECT_EQ(huge.bytes(std::string::npos), "");
    EXPECT_FALSE(huge.ok());
    const TZEZipCentralDirEnd partial = readCentralDirEnd(huge);
    EXPECT_EQ(partial.Signature, 0u);
}

} // namespace
} // namespace korvane
