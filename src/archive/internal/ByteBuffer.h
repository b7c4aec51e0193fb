// Little-endian reading and writing of record images. The reader never touches a byte past its end: a getter
// that would returns 0 (or an empty string) and sets a sticky flag that the caller checks once.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace korvane {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take<1>()); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take<2>()); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take<4>()); }
    std::uint64_t u64() { return take<8>(); }

    // The next n bytes as a view into the buffer; empty and not ok when fewer remain.
    std::string_view bytes(std::size_t n) {
        if (!ok_ || n > remaining()) {
            ok_ = false;
            return {};
        }
        const auto view = bytes_.substr(pos_, n);
        pos_ += n;
        return view;
    }
    void skip(std::size_t n) { bytes(n); }

private:
    // One load per field on a little-endian machine: a directory holds tens of thousands of records.
    template <std::size_t n> std::uint64_t take() {
        if (!ok_ || n > remaining()) {
            ok_ = false;
            return 0;
        }
        std::uint64_t value = 0;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&value, bytes_.data() + pos_, n);
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                value |= std::uint64_t{static_cast<unsigned char>(bytes_[pos_ + i])} << (8 * i);
            }
        }
        pos_ += n;
        return value;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

class ByteWriter {
public:
    explicit ByteWriter(std::string& out) : out_(out) {}

    void u8(std::uint8_t v) { put(v, 1); }
    void u16(std::uint16_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void u64(std::uint64_t v) { put(v, 8); }
    void bytes(std::string_view b) { out_.append(b); }

private:
    void put(std::uint64_t v, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    }

    std::string& out_;
};

} // namespace korvane
