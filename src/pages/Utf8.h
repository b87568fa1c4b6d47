// UTF-8, the command line's and the files' encoding, to the boxes' UTF-16 and back.
#pragma once

#include <string>
#include <string_view>

// A byte that does not belong to a well-formed sequence reads as U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Whether every byte belongs to a well-formed sequence.
bool IsWellFormedUtf8(std::string_view text);
