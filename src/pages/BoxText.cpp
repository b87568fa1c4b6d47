#include "BoxText.h"

#include <algorithm>
#include <array>

#include "NumberCheck.h"

namespace {

// UTF-16 of the bytes 0x80 to 0xBF; the undefined byte 0x98 reads as U+FFFD.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char16_t UnitOf(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return static_cast<char16_t>(0x0410 + (byte - 0xC0));  // А..я in order
    }
    return kUpperHalf[byte - 0x80];
}

// The byte for one UTF-16 unit, or kUnmappedByte.
char ByteOf(char16_t unit) {
    if (unit < 0x80) {
        return static_cast<char>(unit);
    }
    if (unit >= 0x0410 && unit <= 0x044F) {
        return static_cast<char>(0xC0 + (unit - 0x0410));
    }
    const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), unit);
    if (found != kUpperHalf.end()) {
        return static_cast<char>(0x80 + (found - kUpperHalf.begin()));
    }
    return kUnmappedByte;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

Cp1251Text ToCp1251(std::u16string_view text) {
    Cp1251Text result;
    result.bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char byte = ByteOf(text[i]);
        if (byte == kUnmappedByte) {
            // A surrogate pair is one character: one placeholder byte, both units named.
            const size_t length =
                IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2
                                                                                               : 1;
            if (result.firstUnmapped.empty()) {
                result.firstUnmapped = text.substr(i, length);
            }
            i += length - 1;
        }
        result.bytes += byte;
    }
    return result;
}

std::u16string FromCp1251(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text += UnitOf(static_cast<unsigned char>(byte));
    }
    return text;
}

std::u16string MessageFromCp1251(std::string_view message, const Cp1251Text& source) {
    const std::string_view invalid = kNumberMessages[kInvalidCharacter];
    if (message.size() == invalid.size() + 1 && message.starts_with(invalid) &&
        message.back() == kUnmappedByte) {
        return FromCp1251(invalid) + source.firstUnmapped;
    }
    return FromCp1251(message);
}
