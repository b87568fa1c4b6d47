// The boundary between the boxes' UTF-16 text and the calculators' Windows-1251 bytes.
#pragma once

#include <string>
#include <string_view>

// A box's text in Windows-1251. A character that has no byte there becomes kUnmappedByte,
// which every calculator rejects as an invalid character; firstUnmapped keeps the first such
// character as it was typed (one or two UTF-16 units), to be named in the message.
struct Cp1251Text {
    std::string bytes;
    std::u16string firstUnmapped;
};

inline constexpr char kUnmappedByte = '\x98';  // the one byte Windows-1251 leaves undefined

Cp1251Text ToCp1251(std::u16string_view text);
std::u16string FromCp1251(std::string_view bytes);

// A calculator's message about the text `source` back in UTF-16. The invalid-character message
// names the first character the check met; when that was kUnmappedByte, it was the first
// unmapped character, and is named as typed.
std::u16string MessageFromCp1251(std::string_view message, const Cp1251Text& source);
