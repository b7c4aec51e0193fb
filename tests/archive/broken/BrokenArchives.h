// Damaged and hostile archives, each made in code, with the exact error opening it must give.
#pragma once

#include "../ReadZipBuilder.h"

#include <string>
#include <vector>

namespace korvane::testing {

struct BrokenArchive {
    std::string name;
    std::string bytes;
    std::string expected; // "@" stands for the archive's path
};

inline std::vector<BrokenArchive> brokenArchives() {
    const std::string damaged = "Archiver: Archive is damaged. Open failed - Native error: 00048";
    const std::string noZip64 = "Archiver: Cannot find Zip64 directory end record - Native error: 00040";
    const std::string invalid = "Archiver: Invalid archive file. - Native error: 00035";
    const std::string unreadable = "Cannot read file @";
    const std::vector<FixtureEntry> two = {{"Textures/Wall.tex", "wall"}, {"Sounds/Step.wav", "step"}};
    const std::string good = buildZip(two);
    const std::size_t end = good.size() - 22;
    const std::size_t dir = end - 2 * 46 - 17 - 15;
    std::vector<BrokenArchive> list;

    list.push_back({"empty file", "", damaged});
    list.push_back({"text", "This is not an archive, only text that is long enough.", damaged});
    list.push_back({"last byte cut off", good.substr(0, good.size() - 1), damaged});
    list.push_back({"comment length one short", good + "x", damaged});

    std::string claims = std::string(78, 'x') + endRecord(65535, 0, 0);
    list.push_back({"65535 entries claimed in 100 bytes", claims, unreadable});
    std::string longName = good;
    putU16(longName, dir + 28, 0xFFFF);
    list.push_back({"name length past the end", longName, unreadable});
    std::string longExtra = good;
    putU16(longExtra, dir + 46 + 17 + 30, 0xFFF0);
    list.push_back({"extra length past the end", longExtra, unreadable});
    std::string bigDir = good;
    putU32(bigDir, end + 12, 0x7FFFFFFF);
    list.push_back({"directory larger than the file", bigDir, unreadable});
    std::string pastDirectory = good;
    putU32(pastDirectory, end + 16, static_cast<std::uint32_t>(dir + 1));
    list.push_back({"directory offset past where the directory is", pastDirectory, damaged});
    std::string moreEntries = good;
    putU16(moreEntries, end + 10, 3);
    list.push_back({"one entry more than there is", moreEntries, unreadable});

    FixtureLayout zip64;
    zip64.zip64 = true;
    const std::string good64 = buildZip(two, zip64);
    const std::size_t locator = good64.size() - 22 - 20;
    std::string outside = good64;
    putU64(outside, locator + 8, good64.size() + 100);
    list.push_back({"Zip64 locator outside the file", outside, noZip64});
    std::string nowhere = good64;
    putU64(nowhere, locator + 8, 4);
    list.push_back({"Zip64 locator at no record", nowhere, noZip64});
    std::string hugeCount = good64;
    putU64(hugeCount, locator - 56 + 32, ~std::uint64_t{0});
    list.push_back({"Zip64 count of 2^64 - 1", hugeCount, unreadable});
    std::string hugeDir = good64;
    putU64(hugeDir, locator - 56 + 40, std::uint64_t{1} << 62);
    list.push_back({"Zip64 directory larger than the file", hugeDir, unreadable});
    FixtureLayout shifted = zip64;
    shifted.prefix = "MZ stub";
    list.push_back({"Zip64 archive behind bytes its locator does not count", buildZip(two, shifted), noZip64});

    // Without the standard record, nothing before the alternative one counts unless it is a local header.
    list.push_back(
        {"alternative signature after junk", std::string(64, 'j') + endRecord(0, 0, 0, 0, 0x06054141), invalid});
    FixtureLayout alternative;
    alternative.endSignature = 0x06054141;
    std::string cutData = buildZip({{"a", std::string(100, 'a')}}, alternative);
    putU32(cutData, 18, 0x7FFFFFFF);
    list.push_back({"alternative signature, data past the end", cutData, invalid});
    return list;
}

// Odd but sound, or damaged in ways that do not stop the listing: each lists its one file.
inline std::vector<std::pair<std::string, std::string>> listableArchives() {
    const std::vector<FixtureEntry> one = {{"Textures/Wall.tex", "wall"}};
    std::vector<std::pair<std::string, std::string>> list;
    FixtureLayout zip64;
    zip64.zip64 = true;
    list.push_back({"Zip64 directory in front of the Zip64 record", buildZip(one, zip64)});
    // The alternative signature rebuilds the list from the local headers, folder entries left out.
    FixtureLayout alternative;
    alternative.endSignature = 0x06054141;
    list.push_back({"alternative signature", buildZip(one, alternative)});
    alternative.writeCentralDirectory = false;
    list.push_back({"alternative signature, no directory", buildZip({{"Textures/", ""}, one[0]}, alternative)});

    std::vector<FixtureEntry> badExtra = one;
    badExtra[0].extra = std::string("\x01\x00\xFF\x00\x01", 5);
    list.push_back({"Zip64 block longer than the extra field", buildZip(badExtra)});
    std::string badSignature = buildZip(one);
    putU32(badSignature, badSignature.size() - 22 - 46 - 17, 0x12345678);
    list.push_back({"central header signature wrong", badSignature});
    return list;
}

} // namespace korvane::testing
