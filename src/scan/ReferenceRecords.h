// Cutting file names out of raw bytes: reference records ("DFNM", a length byte, the name) and reference
// lines (a line holding "TFNM" and a name after it). No file access here, so fuzzers and benchmarks reach it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace korvane {

// A record's bytes past its "D": three marker letters, four length bytes, up to 255 name bytes.
inline constexpr std::size_t kMaxRecordSpan = 8 + 255;

// The name of the record whose "D" is data[at]; empty when there is none there, when its length byte is 0,
// or when the record runs past the end of data (a record cut short yields nothing).
inline std::string_view recordNameAt(std::string_view data, std::size_t at) {
    if (at >= data.size() || data.size() - at < 5 || data.compare(at, 4, "DFNM") != 0) {
        return {};
    }
    // Only the low byte of the 32-bit length counts.
    const std::size_t length = static_cast<unsigned char>(data[at + 4]);
    if (length == 0 || data.size() - at < 8 + length) {
        return {};
    }
    return data.substr(at + 8, length);
}

// Calls onName for every name nameAt(data, at) gives where data[at] is a tag's first letter, for every such
// letter in data[0, blockLength), in ascending order. Names are cut from all of data, so a tag straddling the
// block's end is found when data goes on past the block; bytes inside a name are scanned too.
template <typename NameAt, typename OnName>
void forEachTaggedName(std::string_view data, std::size_t blockLength, char firstLetter, NameAt&& nameAt,
                       OnName&& onName) {
    const std::size_t end = std::min(blockLength, data.size());
    const char* base = data.data();
    std::size_t at = 0;
    while (at < end) {
        const void* hit = std::memchr(base + at, firstLetter, end - at);
        if (hit == nullptr) {
            return;
        }
        at = static_cast<std::size_t>(static_cast<const char*>(hit) - base);
        const std::string_view name = nameAt(data, at);
        if (!name.empty()) {
            onName(name);
        }
        ++at;
    }
}

// Calls onName for every record whose "D" lies in data[0, blockLength), in ascending order.
template <typename OnName> void forEachBlockRecord(std::string_view data, std::size_t blockLength, OnName&& onName) {
    forEachTaggedName(
        data, blockLength, 'D', [](std::string_view bytes, std::size_t at) { return recordNameAt(bytes, at); }, onName);
}

// How a reference line gives its name: after "TFNM" and one character (text files), or after "TFNM" and two
// characters with the line's last two dropped (model configuration files: MESH TFNM "name";).
enum class LineCut { AfterMarker, Quoted };

// The name a line gives, or empty when it holds no "TFNM" or the cut leaves nothing.
inline std::string_view cutReferenceLine(std::string_view line, LineCut cut) {
    const std::size_t marker = line.find("TFNM");
    if (marker == std::string_view::npos) {
        return {};
    }
    const std::size_t begin = marker + (cut == LineCut::AfterMarker ? 5 : 6);
    const std::size_t end = cut == LineCut::AfterMarker ? line.size() : (line.size() < 2 ? 0 : line.size() - 2);
    return begin >= end ? std::string_view{} : line.substr(begin, end - begin);
}

// The text up to its first NUL byte.
inline std::string_view textBeforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// Calls onLine for each line: CR, LF and CR LF end a line; a break at the very end adds no empty line.
template <typename OnLine> void forEachLine(std::string_view text, OnLine&& onLine) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) {
            onLine(text.substr(begin));
            return;
        }
        onLine(text.substr(begin, end - begin));
        begin = end + 1;
        if (text[end] == '\r' && begin < text.size() && text[begin] == '\n') {
            ++begin;
        }
    }
}

} // namespace korvane
