#include "platform/Utf8Text.h"

#include <algorithm>

namespace korvane {
namespace {

// Invalid bytes decode above the last code point, so they never equal a character.
constexpr char32_t kStrayByteBase = 0x110000;

struct Sequence {
    std::size_t length = 0;
    char32_t value = 0;
};

Sequence sequenceAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        return {1, lead};
    } else if ((lead & 0xE0) == 0xC0) {
        n = 2, minimum = 0x80, value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        n = 3, minimum = 0x800, value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        n = 4, minimum = 0x10000, value = lead & 0x07;
    } else {
        return {};
    }
    if (text.size() - i < n) {
        return {};
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return {};
        }
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value < minimum || value > 0x10FFFF || surrogate ? Sequence{} : Sequence{n, value};
}

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    return sequenceAt(text, at).length;
}

std::string_view utf8CharacterAt(std::string_view text, std::size_t at) {
    return text.substr(at, std::max<std::size_t>(1, utf8SequenceLength(text, at)));
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8SequenceLength(text, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        i += utf8CharacterAt(text, i).size();
    }
    return count;
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Sequence sequence = sequenceAt(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        out.push_back(sequence.length != 0 ? sequence.value : kStrayByteBase + lead);
        i += std::max<std::size_t>(1, sequence.length);
    }
    return out;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace korvane
